#pragma once
// The rotation dialog ("Rotazione"): turns the drawing editor's selection by the track bar's
// degrees about a centre picked on its preview, or appends turned copies in copy mode. It does
// not block the editor; the centre is kept between uses.

#include <QDialog>
#include <QPoint>

class QCheckBox;
class QLabel;
class QSlider;

namespace daved {

class TForm1;

class TForm3 : public QDialog {
  Q_OBJECT

 public:
  explicit TForm3(TForm1& editor, QWidget* parent = nullptr);

  // In the dialog's own coordinates, half the canvas scale.
  QPoint centre() const { return centre_; }

 public slots:
  // "&OK": turns the selection and closes.
  void accept() override;
  // "&Cancella" and the Esc key: closes, the drawing unchanged.
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private slots:
  void ShowPreview();

 private:
  double Degrees() const;

  TForm1& editor_;
  QPoint centre_;

  QLabel* Image1 = nullptr;
  QSlider* TrackBar1 = nullptr;
  QLabel* Label1 = nullptr;  // the track bar's position
  QCheckBox* suiCheckBox1 = nullptr;  // "Senso antiorario"
};

}  // namespace daved
