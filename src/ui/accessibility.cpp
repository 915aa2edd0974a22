// The kit's accessible interfaces.
#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleInterface>
#include <QAccessibleTextInterface>
#include <QAccessibleWidget>
#include <QAction>
#include <QLabel>
#include <QList>
#include <QMenuBar>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QWidget>
#include <QWindow>
#include <Qt>

#include "ui/button.h"
#include "ui/fixed_window.h"
#include "ui/status_line.h"

namespace quimbo::ui {

namespace {

const char* const kDecorative = "quimbo-decorative";
const char* const kLayoutOnly = "quimbo-layout-only";
const char* const kCaption = "quimbo-caption";

// A caption as it is heard: no mnemonic marks, no padding blanks.
QString heard(QString text) { return text.remove('&').trimmed(); }

bool isLayoutOnly(const QWidget* widget) { return widget->property(kLayoutOnly).toBool(); }

// The controls assistive technology sees inside `parent`: decoration and other windows left out,
// and the controls of a widget that only lays them out taken as the parent's own.
void addHeardChildren(const QWidget* parent, QList<QWidget*>& heardChildren) {
  for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isWindow() || child->property(kDecorative).toBool()) continue;
    if (isLayoutOnly(child)) {
      addHeardChildren(child, heardChildren);
    } else {
      heardChildren << child;
    }
  }
}

// The parent assistive technology sees: the nearest one that is more than a layout.
QAccessibleInterface* heardParent(const QWidget* widget) {
  QWidget* parent = widget->parentWidget();
  while (parent && !parent->isWindow() && isLayoutOnly(parent)) parent = parent->parentWidget();
  return parent ? QAccessible::queryAccessibleInterface(parent) : nullptr;
}

// A control's text as set on it, except a name left unset: then `own` (its caption, say) names it.
QString setOr(QAccessible::Text t, const QString& set, const QString& own) {
  return t == QAccessible::Name && set.isEmpty() ? own : set;
}

// The kit's interfaces all answer for their parent the same way.
template <typename Base>
class InKit : public Base {
 public:
  using Base::Base;
  QAccessibleInterface* parent() const override {
    return this->widget()->isWindow() ? Base::parent() : heardParent(this->widget());
  }
};

// A window, a frame of controls or a title bar: it names itself by its title or caption, without
// padding blanks, and leaves out its decorative children; an alert leaves out everything, since its
// title and its message say it all.
class Container : public InKit<QAccessibleWidget> {
 public:
  using InKit::InKit;

  // A window may turn into an alert after the interface was made.
  QAccessible::Role role() const override {
    auto* window = qobject_cast<FixedWindow*>(widget());
    return window ? window->accessibleRole() : QAccessibleWidget::role();
  }

  QString text(QAccessible::Text t) const override {
    const QString name = heard(widget()->isWindow() ? widget()->windowTitle()
                                                    : widget()->property("caption").toString());
    return t == QAccessible::Name && !name.isEmpty() ? name : QAccessibleWidget::text(t);
  }
  int childCount() const override { return static_cast<int>(children().size()); }
  QAccessibleInterface* child(int index) const override {
    const QList<QWidget*> kept = children();
    return index >= 0 && index < kept.size() ? QAccessible::queryAccessibleInterface(kept[index])
                                             : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child ? static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())))
                 : -1;
  }

 private:
  QList<QWidget*> children() const {
    QList<QWidget*> kept;
    if (role() != QAccessible::AlertMessage) addHeardChildren(widget(), kept);
    return kept;
  }
};

// A button of the kit: pressed with Space, Enter or a screen reader's press action.
class KitButton : public InKit<QAccessibleWidget> {
 public:
  explicit KitButton(QAbstractButton* button) : InKit(button, QAccessible::Button) {}

  QString text(QAccessible::Text t) const override {
    return setOr(t, QAccessibleWidget::text(t), heard(button()->text()));
  }
  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.pressed = button()->isDown();
    return state;
  }
  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    action == pressAction() ? button()->click() : QAccessibleWidget::doAction(action);
  }

 private:
  QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A label of a window's client area or of a frame without a caption: read as its text.
class Label : public InKit<QAccessibleWidget> {
 public:
  explicit Label(QLabel* label) : InKit(label, QAccessible::StaticText) {}
  QString text(QAccessible::Text t) const override {
    return setOr(t, QAccessibleWidget::text(t), static_cast<QLabel*>(widget())->text());
  }
};

// The status line, whose text is the latest news, to read again on demand (a screen reader's "read
// the current line") even after the line on screen has gone blank: a notification where showing it
// is how news is told, plain text where the news comes as announcements.
class News : public InKit<QAccessibleWidget>, public QAccessibleTextInterface {
 public:
  explicit News(QWidget* line)
      : InKit(line, StatusLine::kAnnounces ? QAccessible::StaticText : QAccessible::Notification) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                              : QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override { return QAccessibleWidget::text(t); }

  QString text(int startOffset, int endOffset) const override {
    return news().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(news().size()); }
  int cursorPosition() const override { return 0; }
  void setCursorPosition(int) override {}
  void selection(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
  }
  int selectionCount() const override { return 0; }
  void addSelection(int, int) override {}
  void removeSelection(int) override {}
  void setSelection(int, int, int) override {}
  QRect characterRect(int) const override { return {}; }
  int offsetAtPoint(const QPoint&) const override { return -1; }
  void scrollToSubstring(int, int) override {}
  QString attributes(int, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    return {};
  }

 private:
  QString news() const { return widget()->accessibleName(); }
};

// An item of a menu bar: a command to press, or a caption to read.
class MenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  MenuItem(QMenuBar* bar, QAction* action) : bar_(bar), action_(action) {}

  bool isValid() const override { return bar_ && action_; }
  QObject* object() const override { return action_; }
  QWindow* window() const override { return bar_->window()->windowHandle(); }
  QAccessibleInterface* parent() const override {
    return QAccessible::queryAccessibleInterface(bar_);
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? heard(action_->text()) : QString();
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    const QRect at = bar_->actionGeometry(action_);
    return {bar_->mapToGlobal(at.topLeft()), at.size()};
  }
  QAccessible::Role role() const override {
    return isCaption() ? QAccessible::StaticText : QAccessible::MenuItem;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !bar_->isVisible();
    state.focusable = !isCaption();
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface && !isCaption()
               ? static_cast<QAccessibleActionInterface*>(this)
               : nullptr;
  }
  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& name) override {
    if (name == pressAction()) action_->trigger();
  }
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

 private:
  bool isCaption() const { return action_->property(kCaption).toBool(); }

  QPointer<QMenuBar> bar_;
  QPointer<QAction> action_;
};

QAccessibleInterface* kitInterface(const QString& className, QObject* object) {
  if (auto* window = qobject_cast<FixedWindow*>(object)) {
    return new Container(window);
  }
  if (auto* action = qobject_cast<QAction*>(object)) {
    auto* bar = qobject_cast<QMenuBar*>(action->parent());
    return bar ? new MenuItem(bar, action) : nullptr;
  }
  if (auto* line = qobject_cast<StatusLine*>(object)) {
    return new News(line);
  }
  if (auto* button = qobject_cast<ui::Button*>(object)) {
    return new KitButton(button);
  }
  if (auto* label = qobject_cast<QLabel*>(object);
      label && label->parentWidget() && isLayoutOnly(label->parentWidget())) {
    return new Label(label);
  }
  auto* widget = qobject_cast<QWidget*>(object);
  if (className == "QWidget" || className == "quimbo::ui::Frame") {  // containers of controls
    return new Container(widget,
                         className == "QWidget" ? QAccessible::Client : QAccessible::Grouping);
  }
  if (className == "quimbo::ui::TitleBar") {
    return new Container(widget, QAccessible::ToolBar);  // the buttons of a window drawn by itself
  }
  return nullptr;
}

}  // namespace

void installAccessibility() {
  static const bool installed = (QAccessible::installFactory(kitInterface), true);
  (void)installed;
}

void markDecorative(QWidget* widget) { widget->setProperty(kDecorative, true); }

void markLayoutOnly(QWidget* widget) { widget->setProperty(kLayoutOnly, true); }

QAction* addCaption(QMenuBar* menuBar) {
  QAction* caption = menuBar->addAction(QString());
  caption->setProperty(kCaption, true);
  return caption;
}

}  // namespace quimbo::ui
