#pragma once
// Every message box, question, input box and file dialog of the windows goes through this
// interface, so tests can answer them without a person.

#include <QString>
#include <optional>

class QWidget;

namespace daved {

enum class Answer { Yes, No, Cancel };

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A simple message box with an OK button.
  virtual void Message(QWidget* parent, const QString& text) = 0;
  // Yes/No, or Yes/No/Cancel with `withCancel`; closing the box answers No (Cancel with it).
  virtual Answer Question(QWidget* parent, const QString& text, bool withCancel = false) = 0;
  // An input box; nothing when cancelled.
  virtual std::optional<QString> Input(QWidget* parent, const QString& caption,
                                       const QString& prompt, const QString& initial) = 0;
  // File dialogs starting in `folder`, with a filter such as "ILDA files(*.ilf)"; nothing when
  // cancelled. `suffix` is added to a typed name without one.
  virtual std::optional<QString> OpenFile(QWidget* parent, const QString& folder,
                                          const QString& filter) = 0;
  virtual std::optional<QString> SaveFile(QWidget* parent, const QString& folder,
                                          const QString& filter, const QString& suffix) = 0;
};

// The real dialogs, modal on `parent`.
class QtDialogs : public Dialogs {
 public:
  void Message(QWidget* parent, const QString& text) override;
  Answer Question(QWidget* parent, const QString& text, bool withCancel) override;
  std::optional<QString> Input(QWidget* parent, const QString& caption, const QString& prompt,
                               const QString& initial) override;
  std::optional<QString> OpenFile(QWidget* parent, const QString& folder,
                                  const QString& filter) override;
  std::optional<QString> SaveFile(QWidget* parent, const QString& folder, const QString& filter,
                                  const QString& suffix) override;
};

}  // namespace daved
