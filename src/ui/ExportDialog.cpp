#include "ui/ExportDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace {
constexpr char kBrowseTitle[] = "Select Directory for Board Export";

QString PathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}
}  // namespace

ExportDialog::ExportDialog(Platform& platform, const ExportSource& source, QWidget* parent)
    : QDialog(parent),
      exportPath(new QLineEdit),
      browse(new QPushButton("&Browse")),
      fileName(new QLineEdit),
      format(new QComboBox),
      cluesOnly(new QRadioButton("Export &Clues Only")),
      cluesAndGivens(new QRadioButton("Export All (Clues and Givens)")),
      preview(new QLabel),
      exportToFile(new QPushButton("&Export to File")),
      cancel(new QPushButton("Cancel")),
      platform_(platform),
      board_(*source.board),
      source_{&board_, source.solved, source.wordokuDisplay},
      folder_(ExportFolder(platform)) {
    setWindowTitle("Export Board to Text File");
    exportPath->setReadOnly(true);
    exportPath->setText(PathText(folder_));
    for (const ExportLayoutInfo& info : kExportLayouts) format->addItem(info.item);
    format->setCurrentIndex(0);
    cluesOnly->setChecked(true);
    preview->setFont(QFont("Courier New", 10));
    preview->setTextFormat(Qt::PlainText);
    preview->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    exportToFile->setDefault(true);

    connect(cluesOnly, &QRadioButton::clicked, this, [this] { ChooseContent(CluesOnly); });
    connect(cluesAndGivens, &QRadioButton::clicked, this,
            [this] { ChooseContent(ChooseExportAll(platform_, source_.solved)); });
    connect(format, &QComboBox::currentIndexChanged, this, &ExportDialog::RebuildPreview);
    connect(fileName, &QLineEdit::textChanged, this, &ExportDialog::UpdateExportButton);
    connect(browse, &QPushButton::clicked, this, &ExportDialog::Browse);
    connect(exportToFile, &QPushButton::clicked, this, &ExportDialog::Export);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(exportPath, 1);
    pathRow->addWidget(browse);
    auto* fields = new QFormLayout;
    fields->addRow("Export Path", pathRow);
    fields->addRow("File Name", fileName);
    fields->addRow("Export Format", format);
    auto* content = new QHBoxLayout;
    content->addWidget(cluesOnly);
    content->addWidget(cluesAndGivens);
    content->addStretch();
    auto* scroll = new QScrollArea;
    scroll->setWidget(preview);
    scroll->setWidgetResizable(true);
    auto* previewBox = new QGroupBox("Preview");
    auto* previewLayout = new QVBoxLayout(previewBox);
    previewLayout->addWidget(scroll);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(exportToFile);
    buttons->addWidget(cancel);
    auto* main = new QVBoxLayout(this);
    main->addLayout(fields);
    main->addLayout(content);
    main->addWidget(previewBox, 1);
    main->addLayout(buttons);
    RebuildPreview();
    resize(560, 520);
}

bool ExportDialog::Run(Platform& platform, const ExportSource& source, QWidget* parent) {
    ExportDialog dialog(platform, source, parent);
    dialog.exec();
    return dialog.written();
}

void ExportDialog::ChooseContent(ExportContent content) {
    content_ = content;
    cluesOnly->setChecked(content == CluesOnly);
    cluesAndGivens->setChecked(content == CluesAndGivens);
    RebuildPreview();
}

void ExportDialog::RebuildPreview() {
    const int index = format->currentIndex();
    previewText_ =
        ExportPreview(source_, static_cast<ExportLayout>(index < 0 ? 0 : index), content_);
    preview->setText(QString::fromStdString(previewText_));
    UpdateExportButton();
}

void ExportDialog::UpdateExportButton() {
    exportToFile->setEnabled(ExportAllowed(previewText_, fileName->text().toStdString()));
}

void ExportDialog::Browse() {
    const std::optional<std::filesystem::path> chosen =
        platform_.ChooseFile(FileChoice::Folder, kBrowseTitle, folder_, "");
    if (!chosen) return;
    folder_ = *chosen;
    exportPath->setText(PathText(folder_));
    StoreExportFolder(platform_, folder_);
}

void ExportDialog::Export() {
    const int index = format->currentIndex();
    const std::optional<std::filesystem::path> target =
        ExportTarget(platform_, folder_.string(), fileName->text().toStdString(),
                     static_cast<ExportLayout>(index < 0 ? 0 : index));
    if (!target) return;
    // A file that cannot be written has been reported; the dialog closes all the same.
    written_ = WriteExport(platform_, *target, previewText_);
    accept();
}
