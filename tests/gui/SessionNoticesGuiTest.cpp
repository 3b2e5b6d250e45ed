// The session's state (selection, layer, tool, current slot) changes only
// through the editing interface: whatever a person does in the map view with
// the mouse and the keys, its observers hear exactly one notice for each part
// that changed and none for a part that stayed, and what follows the notices
// (the tool bar's mode buttons, the commands' enabled states) agrees with the session.

#include <QToolButton>
#include <algorithm>
#include <array>
#include <random>
#include <sstream>
#include <vector>

#include "app/MapEditing.h"
#include "editor/commands/CommandRegistry.h"
#include "gui/MainWindowFixture.h"

namespace tessmoor {

// Read in a failure message.
void PrintTo(SessionNotice notice, std::ostream* out) {
  static constexpr const char* names[] = {"Selection", "Layer", "Tool", "Slot"};
  *out << names[static_cast<int>(notice)];
}

namespace {

struct SessionState {
  std::array<int32_t, 4> selection{};
  SurfaceKind layer = SurfaceKind::Wall;
  ToolMode tool = ToolMode::Select;
  int32_t slot = 0;
};

class NoticeRecorder : public SessionObserver {
 public:
  void SessionChanged(SessionNotice notice) override { heard.push_back(notice); }
  std::vector<SessionNotice> heard;
};

std::vector<SessionNotice> ChangedParts(const SessionState& before, const SessionState& after) {
  std::vector<SessionNotice> parts;
  if (before.selection != after.selection) parts.push_back(SessionNotice::Selection);
  if (before.layer != after.layer) parts.push_back(SessionNotice::Layer);
  if (before.tool != after.tool) parts.push_back(SessionNotice::Tool);
  if (before.slot != after.slot) parts.push_back(SessionNotice::Slot);
  return parts;
}

class SessionNoticesGuiTest : public MainWindowFixture {
 protected:
  void SetUp() override {
    MainWindowFixture::SetUp();
    ResizeView(700, 500);
    window->Session().Editing().AddObserver(&recorder);
  }

  void TearDown() override {
    window->Session().Editing().RemoveObserver(&recorder);
    MainWindowFixture::TearDown();
  }

  SessionState State() {
    const Selection& s = Editor().selection;
    return {{s.x1, s.y1, s.x2, s.y2}, Editor().currentLayer, Editor().toolMode, Document().currentSlot};
  }

  void SendMouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
                 Qt::KeyboardModifiers keys) {
    QMouseEvent event(type, at, viewPort->mapToGlobal(at), button, held, keys);
    QApplication::sendEvent(viewPort, &event);
  }

  // The keys go where a person's would: to the map, which has the focus after a click on it.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QApplication::setActiveWindow(window.get());
    window->FocusMap();
    QWidget* focused = QApplication::focusWidget();
    ASSERT_EQ(focused, viewPort);
    QTest::keyClick(focused, key, modifiers);
  }

  // A point anywhere in the view: palette, cells, the black beyond, the scroll bars.
  QPoint AnyPoint() {
    return {std::uniform_int_distribution<int>(0, viewPort->width() - 1)(random),
            std::uniform_int_distribution<int>(0, viewPort->height() - 1)(random)};
  }

  // One thing a person does in the map view; returns what it was, for the failure message.
  std::string Step() {
    static constexpr std::array arrows{Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
    static constexpr std::array layers{Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4, Qt::Key_F5};
    const Qt::KeyboardModifiers shift = random() % 4 == 0 ? Qt::ShiftModifier : Qt::NoModifier;
    // Palette slots get more than their share of the clicks.
    const QPoint at = random() % 4 == 0 ? SlotPoint(static_cast<int>(random() % 4)) : AnyPoint();
    std::ostringstream what;
    switch (random() % 11) {
      case 0:
      case 1:
        SendMouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, shift);
        leftHeld = true;
        what << "left press at " << at.x() << "," << at.y() << (shift ? " with Shift" : "");
        break;
      case 2:
        SendMouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton, shift);
        SendMouse(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton, shift);
        leftHeld = false;
        what << "right click at " << at.x() << "," << at.y();
        break;
      case 3:
      case 4:
        SendMouse(QEvent::MouseMove, at, Qt::NoButton, leftHeld ? Qt::LeftButton : Qt::NoButton, {});
        what << "move to " << at.x() << "," << at.y() << (leftHeld ? " with the left button held" : "");
        break;
      case 5:
        SendMouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, {});
        leftHeld = false;
        what << "left release at " << at.x() << "," << at.y();
        break;
      case 6:
      case 7: {
        const Qt::Key arrow = arrows[random() % arrows.size()];
        Key(arrow, shift);
        what << "arrow " << arrow << (shift ? " with Shift" : "");
        break;
      }
      case 8:
        Key(Qt::Key_Escape);
        what << "Escape";
        break;
      case 9: {
        const int choice = static_cast<int>(random() % 3);
        if (choice == 2) {
          QTest::mouseClick(Control<QToolButton>("SpdSelect"), Qt::LeftButton);
          what << "the Select button";
        } else {
          Key(choice == 0 ? Qt::Key_B : Qt::Key_R, Qt::ControlModifier);
          what << (choice == 0 ? "Ctrl+B" : "Ctrl+R");
        }
        break;
      }
      default: {
        const Qt::Key layer = layers[random() % layers.size()];
        Key(layer, Qt::ControlModifier);
        what << "Ctrl+F" << (layer - Qt::Key_F1 + 1);
        break;
      }
    }
    QCoreApplication::processEvents();
    return what.str();
  }

  // What listens to the notices shows the session as it is now.
  void ExpectFollowers(const std::string& step) {
    const ToolMode tool = Editor().toolMode;
    EXPECT_EQ(Control<QToolButton>("SpdSelect")->isChecked(), tool == ToolMode::Select) << step;
    EXPECT_EQ(Control<QToolButton>("SpdBrush")->isChecked(), tool == ToolMode::Brush) << step;
    EXPECT_EQ(Control<QToolButton>("SpdRectangle")->isChecked(), tool == ToolMode::Rectangle) << step;
    CommandRegistry& registry = window->Commands();
    std::vector<bool> shown;
    for (const auto& command : registry.Commands()) shown.push_back(command->action->isEnabled());
    registry.RefreshEnabled();
    for (size_t i = 0; i < shown.size(); ++i)
      EXPECT_EQ(shown[i], registry.Commands()[i]->action->isEnabled())
          << registry.Commands()[i]->info.id.toStdString() << " after " << step;
  }

  NoticeRecorder recorder;
  std::mt19937 random{20240611};
  bool leftHeld = false;
};

TEST_F(SessionNoticesGuiTest, EveryChangeTheMouseAndKeysMakeIsOneNoticeAndNoChangeIsNone) {
  // Slot templates to paint with, so painting tools have something to do.
  for (int slot = 0; slot < 2; ++slot) {
    MapCell cell = Document().paletteSlots[static_cast<size_t>(slot)].cell;
    cell.type = static_cast<uint8_t>(slot + 1);
    Model().SetSlotCell(slot, cell);
  }
  std::array<int, 4> heardKinds{};
  for (int i = 0; i < 400 && !HasFailure(); ++i) {
    const SessionState before = State();
    recorder.heard.clear();
    const std::string step = Step();
    std::vector<SessionNotice> heard = recorder.heard;
    std::sort(heard.begin(), heard.end());
    EXPECT_EQ(heard, ChangedParts(before, State())) << "step " << i << ": " << step;
    for (SessionNotice notice : heard) ++heardKinds[static_cast<size_t>(notice)];
    ExpectFollowers(step);
  }
  // The walk reached every kind of change.
  for (int count : heardKinds) EXPECT_GT(count, 0);
}

}  // namespace
}  // namespace tessmoor
