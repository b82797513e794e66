#include "ui/PuzzleDataSaveDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

#include "engine/BoardLevel.h"
#include "files/PuzzleDataDialogs.h"
#include "ui/BoardText.h"

namespace {
constexpr char kNameRefused[] =
    "Board Name holds Characters that Raruduz Data File cannot Store !!! \nPlease Use Western "
    "European Characters Only ... ";
constexpr char kDescriptionRefused[] =
    "Board Description holds Characters that Raruduz Data File cannot Store !!! \nPlease Use "
    "Western European Characters Only ... ";
}  // namespace

PuzzleDataSaveDialog::PuzzleDataSaveDialog(Platform& platform, std::filesystem::path file,
                                           BoardData& board, std::vector<PuzzleRecord>& records,
                                           QWidget* parent)
    : QDialog(parent),
      name(new QLineEdit),
      description(new QLineEdit),
      level(new QComboBox),
      save(new QPushButton("&Save")),
      exit(new QPushButton("&Exit")),
      platform_(platform),
      file_(std::move(file)),
      board_(board),
      records_(records) {
    setWindowTitle("Save Board Data to Raruduz File");
    for (const char* levelName : kBoardLevelNames) level->addItem(levelName);
    name->setText(FromBoardText(board.name));
    description->setText(FromBoardText(board.description));
    level->setCurrentIndex(board.level >= 0 && board.level < kBoardLevelCount ? board.level : 0);
    save->setDefault(true);
    connect(save, &QPushButton::clicked, this, &PuzzleDataSaveDialog::Save);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);

    auto* fields = new QFormLayout;
    fields->addRow("Board Name", name);
    fields->addRow("Description", description);
    fields->addRow("Board Level", level);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(exit);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    resize(460, sizeHint().height());
}

bool PuzzleDataSaveDialog::Run(Platform& platform, const std::filesystem::path& file,
                               BoardData& board, std::vector<PuzzleRecord>& records,
                               QWidget* parent) {
    PuzzleDataSaveDialog dialog(platform, file, board, records, parent);
    dialog.exec();
    return dialog.saved();
}

void PuzzleDataSaveDialog::Save() {
    const std::optional<std::string> nameText = ToBoardText(name->text());
    if (!nameText) {
        platform_.ShowMessage(kNameRefused);
        return;
    }
    const std::optional<std::string> descriptionText = ToBoardText(description->text());
    if (!descriptionText) {
        platform_.ShowMessage(kDescriptionRefused);
        return;
    }
    const SaveOutcome outcome = SaveBoard(platform_, file_, records_, board_, *nameText,
                                          *descriptionText, level->currentIndex());
    if (outcome == SaveOutcome::Overwritten) saved_ = true;
    if (outcome != SaveOutcome::Appended) return;
    saved_ = true;
    accept();
}
