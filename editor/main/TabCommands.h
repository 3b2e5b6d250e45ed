#pragma once
// The tab commands of a map window that is one of several tabs: they go into
// its registry and its menus, and act through the host.

namespace tessmoor {

class CommandRegistry;
class MenuLayout;
class TabHost;

void AddTabCommands(CommandRegistry& registry, MenuLayout& menus, TabHost& host);

}  // namespace tessmoor
