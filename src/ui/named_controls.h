#pragma once
// Controls made in code carry their designer names, so tests and the rest of the program find
// them by objectName. Qt parents own them.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>
#include <utility>

namespace daved {

// A new control of type W, made from `args` (its text and parent, for example), named `name`.
template <typename W, typename... Args>
W* Named(const char* name, Args&&... args) {
  auto* control = new W(std::forward<Args>(args)...);
  control->setObjectName(QString::fromLatin1(name));
  return control;
}

inline QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  return Named<QLabel>(name, text, parent);
}

inline QPushButton* NamedButton(const char* name, const QString& text, QWidget* parent) {
  return Named<QPushButton>(name, text, parent);
}

// A tool button added to the end of `bar`.
inline QToolButton* NamedToolButton(const char* name, const QString& text, bool checkable,
                                    QToolBar* bar) {
  auto* button = Named<QToolButton>(name, bar);
  button->setText(text);
  button->setCheckable(checkable);
  bar->addWidget(button);
  return button;
}

// A menu item added to the end of `menu`.
inline QAction* NamedItem(QMenu* menu, const char* name, const QString& text) {
  QAction* item = menu->addAction(text);
  item->setObjectName(QString::fromLatin1(name));
  return item;
}

}  // namespace daved
