#include "editor/ui/frame_pages_panel.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "editor/ui/drawing_editor_window.h"
#include "ui/named_controls.h"

namespace daved {
namespace {

constexpr int kThumbnailColumns = 12;
constexpr int kNumberPointSize = 5;

// The picture a slot shows: the frame, its 1-based number, and the mark when it is selected.
QPixmap SlotPicture(const Drawing& frame, std::size_t index, bool marked) {
  QImage image = FrameThumbnail(frame);
  {
    QPainter painter(&image);
    QFont font = painter.font();
    font.setPointSize(kNumberPointSize);
    font.setStyleStrategy(QFont::NoAntialias);  // plain white pixels at this size
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect().adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(index + 1));
  }
  if (marked) MarkSelected(image);
  return QPixmap::fromImage(image);
}

}  // namespace

FramePagesPanel::FramePagesPanel(TForm1& window, WindowServices& services)
    : QDockWidget(&window), window_(window), services_(services) {
  setObjectName("FramePagesPanel");
  // A fixed part of the window, not a floating tool window.
  setFeatures(QDockWidget::NoDockWidgetFeatures);
  setTitleBarWidget(new QWidget(this));
  BuildControls();
  window.addDockWidget(Qt::BottomDockWidgetArea, this);
  connect(this, &FramePagesPanel::drawingReplaced, &window, &TForm1::Redraw);
  ShowPages();
}

void FramePagesPanel::BuildControls() {
  auto* body = new QWidget(this);
  setWidget(body);

  auto* previous = NamedButton("suiButton2", QStringLiteral("<"), body);
  auto* next = NamedButton("suiButton3", QStringLiteral(">"), body);
  for (QPushButton* arrow : {previous, next}) arrow->setFixedWidth(24);
  connect(previous, &QPushButton::clicked, this, &FramePagesPanel::PreviousPageClick);
  connect(next, &QPushButton::clicked, this, &FramePagesPanel::NextPageClick);

  auto* grid = new QGridLayout;
  grid->setSpacing(2);
  for (int slot = 0; slot < kFramesPerPage; ++slot) {
    const QByteArray name = "Image" + QByteArray::number(slot + 2);
    QLabel* image = NamedLabel(name.constData(), QString(), body);
    image->setFixedSize(kThumbnailSize, kThumbnailSize);
    // An empty slot is hidden; the others keep their places.
    QSizePolicy policy = image->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    image->setSizePolicy(policy);
    image->installEventFilter(this);
    thumbnails_[std::size_t(slot)] = image;
    grid->addWidget(image, slot / kThumbnailColumns, slot % kThumbnailColumns);
  }

  auto* thumbnails = new QHBoxLayout;
  thumbnails->addWidget(previous);
  thumbnails->addLayout(grid);
  thumbnails->addWidget(next);

  Label26 = NamedLabel("Label26", QString(), body);
  Label30 = NamedLabel("Label30", QString(), body);
  Label32 = NamedLabel("Label32", QString(), body);
  Label36 = NamedLabel("Label36", QString(), body);
  Label41 = NamedLabel("Label41", QString(), body);
  Label40 = NamedLabel("Label40", QString(), body);
  auto* counters = new QGridLayout;
  counters->addWidget(new QLabel("Nome frame:", body), 0, 0);
  counters->addWidget(Label26, 0, 1, 1, 3);
  counters->addWidget(new QLabel("Frame totali", body), 1, 0);
  counters->addWidget(Label30, 1, 1);
  counters->addWidget(new QLabel("FrameNO", body), 2, 0);
  counters->addWidget(Label32, 2, 1);
  counters->addWidget(new QLabel("Contatore Frame", body), 3, 0);
  counters->addWidget(Label36, 3, 1);
  counters->addWidget(new QLabel("Pagina:", body), 4, 0);
  auto* pageNumbers = new QHBoxLayout;
  pageNumbers->addWidget(Label41);
  pageNumbers->addWidget(new QLabel("/", body));
  pageNumbers->addWidget(Label40);
  pageNumbers->addStretch();
  counters->addLayout(pageNumbers, 4, 1);

  struct Command {
    const char* name;
    const char* caption;
    const char* hint;
    void (FramePagesPanel::*slot)();
  };
  const Command commands[] = {
      {"suiButton1", "Nuovo", nullptr, &FramePagesPanel::NewListClick},
      {"suiButton4", "Apri", "打开动画文件", &FramePagesPanel::OpenListClick},
      {"suiButton10", "Salva", "保存动画文件", &FramePagesPanel::SaveListClick},
      {"suiButton11", "Salva con nome", "另存动画文件", &FramePagesPanel::SaveListAsClick},
      {"suiButton7", "Aggiungi", nullptr, &FramePagesPanel::AppendFrameClick},
      {"suiButton8", "Inserisci", nullptr, &FramePagesPanel::InsertFrameClick},
      {"suiButton9", "Rimuovi", nullptr, &FramePagesPanel::RemoveFrameClick},
      {"suiButton6", "Invia a Drawing", nullptr, &FramePagesPanel::SendToDrawingClick},
      {"suiButton5", "Prendi da Drawing", nullptr, &FramePagesPanel::TakeFromDrawingClick},
  };
  auto* buttons = new QGridLayout;
  int at = 0;
  for (const Command& command : commands) {
    QPushButton* button = NamedButton(command.name, QString::fromUtf8(command.caption), body);
    if (command.hint != nullptr) button->setToolTip(QString::fromUtf8(command.hint));
    connect(button, &QPushButton::clicked, this, command.slot);
    buttons->addWidget(button, at % 3, at / 3);
    ++at;
  }

  auto* columns = new QHBoxLayout(body);
  columns->addLayout(thumbnails);
  columns->addLayout(counters);
  columns->addLayout(buttons);
  columns->addStretch();
}

bool FramePagesPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int slot = 0; slot < kFramesPerPage; ++slot) {
      if (watched == thumbnails_[std::size_t(slot)]) {
        SelectThumbnail(slot);
        return true;
      }
    }
  }
  return QDockWidget::eventFilter(watched, event);
}

void FramePagesPanel::ShowPages() {
  const std::vector<std::size_t> shown = pages_.PageFrames();
  const std::optional<int> marked = pages_.MarkedSlot();
  for (int slot = 0; slot < kFramesPerPage; ++slot) {
    QLabel* image = thumbnails_[std::size_t(slot)];
    if (std::size_t(slot) >= shown.size()) {
      image->hide();
      continue;
    }
    const std::size_t index = shown[std::size_t(slot)];
    image->setPixmap(SlotPicture(pages_.frames()[index], index, marked == slot));
    image->show();
  }
  Label26->setText(QString::fromStdString(pages_.fileName()));
  Label30->setText(QString::number(pages_.frames().size()));
  Label32->setText(QString::number(pages_.selected()));
  Label36->setText(QString::number(pages_.selectedPointCount()));
  Label41->setText(QString::number(pages_.pageNumber()));
  Label40->setText(QString::number(pages_.pageCount()));
}

void FramePagesPanel::SelectThumbnail(int slot) {
  if (pages_.SelectSlot(slot)) ShowPages();
}

void FramePagesPanel::PreviousPageClick() {
  if (pages_.PreviousPage()) ShowPages();
}

void FramePagesPanel::NextPageClick() {
  if (pages_.NextPage()) ShowPages();
}

void FramePagesPanel::NewListClick() {
  pages_.New();
  ShowPages();
}

void FramePagesPanel::AppendFrameClick() {
  pages_.Append();
  ShowPages();
}

void FramePagesPanel::InsertFrameClick() {
  pages_.Insert();
  ShowPages();
}

void FramePagesPanel::RemoveFrameClick() {
  if (pages_.Remove()) ShowPages();
}

void FramePagesPanel::SendToDrawingClick() {
  if (pages_.SendToDrawing(window_.document())) emit drawingReplaced();
}

void FramePagesPanel::TakeFromDrawingClick() {
  if (pages_.TakeFromDrawing(window_.document().drawing)) ShowPages();
}

// --- Files ---------------------------------------------------------------------------------

FilePrompts FramePagesPanel::Prompts() {
  const QString folder =
      QString::fromStdString((services_.programFolder / kFramesFolder).string());
  const auto toPath =
      [](const std::optional<QString>& name) -> std::optional<std::filesystem::path> {
    if (!name) return std::nullopt;
    return std::filesystem::path(name->toStdString());
  };
  return {
      .ask = [](const std::string&) { return Reply::Cancel; },  // the frames ask nothing
      .chooseOpen =
          [this, folder, toPath] {
            return toPath(services_.dialogs.OpenFile(&window_, folder,
                                                     QString::fromLatin1(kFrameListOpenFilter)));
          },
      .chooseSave =
          [this, folder, toPath] {
            return toPath(services_.dialogs.SaveFile(&window_, folder,
                                                     QString::fromLatin1(kFrameListSaveFilter),
                                                     QString::fromLatin1(kFrameListSuffix)));
          },
  };
}

void FramePagesPanel::ShowFileCommand(const CommandResult& result) {
  if (!result.error.empty()) {
    services_.dialogs.Message(&window_, QString::fromStdString(result.error));
  }
  ShowPages();
}

void FramePagesPanel::OpenListClick() { ShowFileCommand(pages_.Open(Prompts())); }
void FramePagesPanel::SaveListClick() { ShowFileCommand(pages_.Save(Prompts())); }
void FramePagesPanel::SaveListAsClick() { ShowFileCommand(pages_.SaveAs(Prompts())); }

}  // namespace daved
