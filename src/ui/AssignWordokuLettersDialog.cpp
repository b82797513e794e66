#include "ui/AssignWordokuLettersDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {
constexpr int kPreviewSide = 22;
constexpr int kRowButtonSide = 26;
constexpr const char* kKindTexts[] = {"Row Selection ", "Column Selection ", "Block Selection"};
constexpr const char* kItemNames[] = {"Row", "Column", "Block"};

QPushButton* SmallButton(int side) {
    auto* button = new QPushButton;
    button->setFixedSize(side, side);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

QString Symbol(char c) {
    return QString(QChar::fromLatin1(c));
}
}  // namespace

AssignWordokuLettersDialog::AssignWordokuLettersDialog(const SudokuBoard& board,
                                                       const WordokuOptions& options,
                                                       Platform& platform, QWidget* parent)
    : QDialog(parent), model_(board, options, platform) {
    setWindowTitle("Assign Wordoku Letters");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(BuildPreview());
    auto* right = new QVBoxLayout;
    right->addWidget(BuildRows());
    right->addWidget(BuildLocationChoice());
    auto* buttons = new QHBoxLayout;
    okButton_ = new QPushButton("OK");
    applyButton_ = new QPushButton("&Apply");
    auto* cancel = new QPushButton("Cancel");
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, [this] {
        model_.Apply();
        accept();
    });
    connect(applyButton_, &QPushButton::clicked, this, [this] {
        model_.Apply();
        Refresh();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(applyButton_);
    buttons->addWidget(cancel);
    right->addLayout(buttons);
    layout->addLayout(right);
    Refresh();
}

std::optional<WordokuAssignment> AssignWordokuLettersDialog::Ask(const SudokuBoard& board,
                                                                 const WordokuOptions& options,
                                                                 Platform& platform,
                                                                 QWidget* parent) {
    AssignWordokuLettersDialog dialog(board, options, platform, parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.model().Result();
}

QWidget* AssignWordokuLettersDialog::BuildPreview() {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    auto* grid = new QGridLayout;
    grid->setSpacing(1);
    const int n = model_.size();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x) {
            QPushButton* button = SmallButton(kPreviewSide);
            grid->addWidget(button, y, x);
            preview_[y * kMaxSize + x] = button;
        }
    layout->addLayout(grid);
    auto* switches = new QHBoxLayout;
    digitsButton_ = new QPushButton("&Digits");
    lettersButton_ = new QPushButton("&Letters");
    connect(digitsButton_, &QPushButton::clicked, this, [this] {
        model_.ShowPreviewInLetters(false);
        Refresh();
    });
    connect(lettersButton_, &QPushButton::clicked, this, [this] {
        model_.ShowPreviewInLetters(true);
        Refresh();
    });
    switches->addWidget(digitsButton_);
    switches->addWidget(lettersButton_);
    layout->addLayout(switches);
    layout->addStretch();
    return box;
}

QWidget* AssignWordokuLettersDialog::BuildRows() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(2);
    grid->addWidget(new QLabel("Location:"), 0, 0);
    grid->addWidget(new QLabel("Letters:"), 1, 0);
    for (int j = 0; j < model_.size(); ++j) {
        locationRow_[j] = SmallButton(kRowButtonSide);
        letterRow_[j] = SmallButton(kRowButtonSide);
        grid->addWidget(locationRow_[j], 0, j + 1);
        grid->addWidget(letterRow_[j], 1, j + 1);
    }
    lettersBox_ = new QLineEdit(QString::fromUtf8(model_.letters()));
    connect(lettersBox_, &QLineEdit::textEdited, this, &AssignWordokuLettersDialog::LettersEdited);
    grid->addWidget(lettersBox_, 2, 1, 1, model_.size());
    return box;
}

QWidget* AssignWordokuLettersDialog::BuildLocationChoice() {
    auto* box = new QWidget;
    auto* grid = new QGridLayout(box);
    for (int i = 0; i < 3; ++i) {
        const int kind = RowLocation + i;
        kindButtons_[i] = new QRadioButton(kKindTexts[i]);
        locationLists_[i] = new QComboBox;
        locationLists_[i]->addItem("None");
        for (int number = 1; number <= model_.size(); ++number)
            locationLists_[i]->addItem(QString("%1 %2").arg(kItemNames[i]).arg(number));
        connect(kindButtons_[i], &QRadioButton::toggled, this, [this, kind](bool on) {
            if (!on) return;
            model_.ChooseKind(kind);
            Refresh();
        });
        connect(locationLists_[i], &QComboBox::activated, this, [this](int index) {
            model_.ChooseNumber(index);
            Refresh();
        });
        grid->addWidget(kindButtons_[i], i, 0);
        grid->addWidget(locationLists_[i], i, 1);
    }
    return box;
}

void AssignWordokuLettersDialog::LettersEdited(const QString& text) {
    const QByteArray typed = text.toUtf8();
    const std::string& shown = model_.EditLetters(std::string_view(typed.data(), typed.size()));
    if (shown != std::string_view(typed.data(), typed.size()))
        lettersBox_->setText(QString::fromUtf8(shown));
    Refresh();
}

void AssignWordokuLettersDialog::Refresh() {
    const int n = model_.size();
    for (int y = 0; y < n; ++y)
        for (int x = 0; x < n; ++x)
            previewButton(x, y)->setText(Symbol(model_.PreviewSymbol(x, y)));
    const std::array<int, kMaxSize> location = model_.LocationRow();
    const std::string letters = model_.LetterRow();
    for (int j = 0; j < n; ++j) {
        locationRow_[j]->setText(Symbol(kValueSymbols[location[j]]));
        letterRow_[j]->setText(Symbol(letters[j]));
    }
    for (int i = 0; i < 3; ++i) {
        const bool chosen = model_.kind() == RowLocation + i;
        const QSignalBlocker blockKind(kindButtons_[i]);
        const QSignalBlocker blockList(locationLists_[i]);
        kindButtons_[i]->setChecked(chosen);
        locationLists_[i]->setEnabled(chosen);
        locationLists_[i]->setCurrentIndex(chosen ? model_.number() : 0);
    }
    okButton_->setEnabled(model_.CanApply());
    applyButton_->setEnabled(model_.CanApply());
}
