#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace daved {

void QtDialogs::Message(QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QApplication::applicationName(), text);
}

Answer QtDialogs::Question(QWidget* parent, const QString& text, bool withCancel) {
  const auto buttons = withCancel ? QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel
                                  : QMessageBox::Yes | QMessageBox::No;
  switch (QMessageBox::question(parent, QApplication::applicationName(), text, buttons)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return withCancel ? Answer::Cancel : Answer::No;
  }
}

std::optional<QString> QtDialogs::Input(QWidget* parent, const QString& caption,
                                        const QString& prompt, const QString& initial) {
  bool ok = false;
  const QString text = QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, initial, &ok);
  if (!ok) return std::nullopt;
  return text;
}

std::optional<QString> QtDialogs::OpenFile(QWidget* parent, const QString& folder,
                                           const QString& filter) {
  const QString path = QFileDialog::getOpenFileName(parent, QString(), folder, filter);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtDialogs::SaveFile(QWidget* parent, const QString& folder,
                                           const QString& filter, const QString& suffix) {
  QFileDialog dialog(parent, QString(), folder, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(suffix);
  // Replacing a file is asked by the windows themselves, in their own words.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front();
}

}  // namespace daved
