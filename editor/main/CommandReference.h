#pragma once
// The user guide's reference of every command, made from the command registry
// so that it never goes stale: one Markdown table per menu, with each
// command's menu path, text, default keys and what it does, in the language
// the program speaks. `TMEdit --list-commands --format markdown [--lang de|en]`
// prints it; docs/de/befehle.md and docs/en/commands.md are its output.

#include <QString>
#include <optional>

class QMenuBar;

namespace tessmoor {

class CommandRegistry;

inline constexpr const char* ListCommandsOption = "--list-commands";

struct ReferenceRequest {
  bool english = false;
};

// The request when the arguments ask for the reference; the complaint in
// `error` when they ask for it wrongly.
std::optional<ReferenceRequest> ParseReferenceRequest(int argc, char** argv, QString& error);

// The commands in the order the menus show them, then those in no menu of
// the bar (the 3D window's, the placing keys) in the order they were made.
QString CommandReferenceMarkdown(const CommandRegistry& registry, const QMenuBar& bar);

// Makes a window as the program does, without showing it, and prints its
// reference to stdout. Returns the process's exit status.
int PrintCommandReference(const ReferenceRequest& request);

}  // namespace tessmoor
