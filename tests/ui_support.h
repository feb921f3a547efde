#pragma once
// Helpers for window tests: find controls by their designer names, and answer dialogs.

#include <gtest/gtest.h>

#include <QApplication>
#include <QString>
#include <QTest>
#include <QWidget>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/dialogs.h"

namespace daved::testing {

// The child of `root` (or `root` itself) named `name` of type T; the test fails naming the
// designer name when there is none.
template <typename T = QWidget>
T* Control(QObject* root, const char* name) {
  if (root->objectName() == name) {
    if (auto* self = qobject_cast<T*>(root)) return self;
  }
  T* found = root->findChild<T*>(QString::fromLatin1(name));
  if (found == nullptr) {
    ADD_FAILURE() << "no control named " << name << " of the expected kind in "
                  << root->objectName().toStdString();
  }
  return found;
}

// Answers dialogs from queues filled by the test, and records what was shown.
class ScriptedDialogs : public Dialogs {
 public:
  std::vector<QString> messages;   // every message box text, in order
  std::vector<QString> questions;  // every question text, in order
  std::deque<Answer> answers;      // answers to the next questions; No when empty
  std::deque<std::optional<QString>> inputs;  // answers to input boxes and file dialogs

  void Message(QWidget*, const QString& text) override { messages.push_back(text); }
  Answer Question(QWidget*, const QString& text, bool) override {
    questions.push_back(text);
    if (answers.empty()) return Answer::No;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
  }
  std::optional<QString> Input(QWidget*, const QString&, const QString&, const QString&) override {
    return Next();
  }
  std::optional<QString> OpenFile(QWidget*, const QString&, const QString&) override {
    return Next();
  }
  std::optional<QString> SaveFile(QWidget*, const QString&, const QString&, const QString&) override {
    return Next();
  }

 private:
  std::optional<QString> Next() {
    if (inputs.empty()) return std::nullopt;
    const bool given = inputs.front().has_value();
    const QString text = given ? *inputs.front() : QString();
    inputs.pop_front();
    if (!given) return std::nullopt;
    return text;
  }
};

}  // namespace daved::testing
