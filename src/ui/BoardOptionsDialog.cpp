#include "ui/BoardOptionsDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/WordokuLetters.h"
#include "platform/Platform.h"
#include "platform/SettingsNames.h"
#include "platform/SettingsStore.h"
#include "ui/ColourButton.h"

namespace {
struct ColourField {
    const char* name;
    std::uint32_t ViewSettings::*member;
};
struct FlagField {
    const char* name;
    std::int32_t ViewSettings::*member;
};

constexpr ColourField kColourFields[] = {
    {"BackgroundColour", &ViewSettings::backgroundColour},
    {"BlockColour", &ViewSettings::blockColour},
    {"BlockAltColour", &ViewSettings::blockAltColour},
    {"CluesColour", &ViewSettings::cluesColour},
    {"GivensColour", &ViewSettings::givensColour},
    {"MarkColour", &ViewSettings::markColour},
    {"MarkAltColour", &ViewSettings::markAltColour},
    {"MistakesColour", &ViewSettings::mistakesColour},
    {"HighLightColour", &ViewSettings::highLightColour},
};
constexpr FlagField kFlagFields[] = {
    {"UseDefaultBkgColor", &ViewSettings::useDefaultBkgColor},
    {"AlternateColour", &ViewSettings::alternateColour},
    {"ShowHelper", &ViewSettings::showHelper},
    {"ShowPencilMarksSetMode", &ViewSettings::showPencilMarksSetMode},
    {"ShowMistakes", &ViewSettings::showMistakes},
    {"RetrieveOnlyClues", &ViewSettings::retrieveOnlyClues},
    {"AutoLoadBoard", &ViewSettings::autoLoadBoard},
};

// The "Automatic" entry of a colour button is the value's default.
std::uint32_t DefaultColour(const char* name) {
    const ViewSettings defaults;
    for (const ColourField& field : kColourFields)
        if (std::string_view(field.name) == name) return defaults.*field.member;
    return 0;
}

constexpr const char* kAssignmentTexts[] = {
    "Random Letters Assignment on Switch to Wordoku",
    "Random Word Assignment on Switch to Wordoku",
    "User-Defined Letters Assignment on Switch to Wordoku",
};
constexpr const char* kLocationTexts[] = {"Random Location", "Default Row", "Default Column",
                                          "Default Block"};
constexpr const char* kLocationListWords[] = {"Row", "Column", "Block"};
constexpr const char* kLocationListNames[] = {"WordokuRowList", "WordokuColumnList",
                                              "WordokuBlockList"};
// The lists name the rows, columns and blocks of a 9 x 9 board.
constexpr int kLocationListLength = 9;
constexpr char kWordsFileFilter[] = "Text Files (*.txt)";

QFormLayout* FormOn(QWidget* page) {
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}
}  // namespace

BoardOptionsDialog::BoardOptionsDialog(Platform& platform, const BoardOptions& options,
                                       QWidget* parent)
    : QDialog(parent), platform_(platform), carried_(options) {
    setWindowTitle("Raruduz Options");
    tabs_ = new QTabWidget;
    // Every tab title in view: the dialog grows to hold them.
    tabs_->setUsesScrollButtons(false);
    tabs_->addTab(BuildColoursPage(), "Board Colours");
    tabs_->addTab(BuildMarksPage(), "Pencils Marks");
    tabs_->addTab(BuildSetupPage(), "Board Setup");
    tabs_->addTab(BuildSolvingPage(), "Board Solving");
    tabs_->addTab(BuildWordokuPage(), "Workdoku Setup");
    tabs_->addTab(BuildFilesPage(), "File Handling");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    reset_ = buttons->addButton("&Reset to Default Options", QDialogButtonBox::ResetRole);
    connect(reset_, &QPushButton::clicked, this,
            [this] { Show(ResetBoardOptions(this->options())); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(buttons);
    Show(options);
}

ColourButton* BoardOptionsDialog::AddColour(QFormLayout* form, const char* label, const char* name,
                                            std::uint32_t automatic) {
    auto* button = new ColourButton(platform_, automatic);
    button->setObjectName(name);
    button->setAccessibleName(label);
    form->addRow(label, button);
    return button;
}

QCheckBox* BoardOptionsDialog::AddFlag(QFormLayout* form, const char* text, const char* name) {
    auto* box = new QCheckBox(text);
    box->setObjectName(name);
    form->addRow(box);
    return box;
}

QWidget* BoardOptionsDialog::BuildColoursPage() {
    auto* page = new QWidget;
    QFormLayout* form = FormOn(page);
    AddColour(form, "Background", "BackgroundColour", DefaultColour("BackgroundColour"));
    AddFlag(form, "Use Default Background Colour", "UseDefaultBkgColor");
    AddColour(form, "Block", "BlockColour", DefaultColour("BlockColour"));
    AddColour(form, "Alt. Block", "BlockAltColour", DefaultColour("BlockAltColour"));
    AddFlag(form, "&Alternate Colour in Blocks", "AlternateColour");
    AddColour(form, "Clues", "CluesColour", DefaultColour("CluesColour"));
    AddColour(form, "Givens", "GivensColour", DefaultColour("GivensColour"));
    return page;
}

QWidget* BoardOptionsDialog::BuildMarksPage() {
    auto* page = new QWidget;
    QFormLayout* form = FormOn(page);
    AddFlag(form, "&Show Pencil Marks (while Solving Board)", "ShowHelper");
    AddColour(form, "Marks Colour", "MarkColour", DefaultColour("MarkColour"));
    AddColour(form, "Alt. Marks Colour", "MarkAltColour", DefaultColour("MarkAltColour"));
    return page;
}

QWidget* BoardOptionsDialog::BuildSetupPage() {
    auto* page = new QWidget;
    AddFlag(FormOn(page), "&Show Pencil Marks (while Setting Up Board)", "ShowPencilMarksSetMode");
    return page;
}

QWidget* BoardOptionsDialog::BuildSolvingPage() {
    auto* page = new QWidget;
    QFormLayout* form = FormOn(page);
    AddFlag(form, "Show &Mistakes   ", "ShowMistakes");
    AddColour(form, "Mistakes Colour", "MistakesColour", DefaultColour("MistakesColour"));
    AddFlag(form, "&Allow Brute-Force Guess Technique ", kAllowBruteForceTech);
    AddColour(form, "Highlight Colour", "HighLightColour", DefaultColour("HighLightColour"));
    return page;
}

QWidget* BoardOptionsDialog::BuildWordokuPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* assignmentBox = new QGroupBox;
    auto* assignmentLayout = new QVBoxLayout(assignmentBox);
    assignment_ = new QButtonGroup(this);
    for (int type = 0; type < 3; ++type) {
        auto* radio = new QRadioButton(kAssignmentTexts[type]);
        assignment_->addButton(radio, type);
        assignmentLayout->addWidget(radio);
    }
    connect(assignment_, &QButtonGroup::idClicked, this, [this](int type) {
        if (type == RandomWord) ChooseRandomWord();
    });
    auto* pathRow = new QHBoxLayout;
    wordListPath_ = new QLineEdit;
    wordListPath_->setObjectName("WordokuWordListPath");
    wordListPath_->setReadOnly(true);
    wordListPath_->setMinimumWidth(260);
    auto* pathLabel = new QLabel("Words List:");
    pathLabel->setBuddy(wordListPath_);
    browse_ = new QPushButton("&Browse");
    connect(browse_, &QPushButton::clicked, this, &BoardOptionsDialog::Browse);
    pathRow->addWidget(pathLabel);
    pathRow->addWidget(wordListPath_, 1);
    pathRow->addWidget(browse_);
    assignmentLayout->addLayout(pathRow);
    layout->addWidget(assignmentBox);

    auto* locationBox = new QGroupBox;
    auto* locationLayout = new QGridLayout(locationBox);
    location_ = new QButtonGroup(this);
    for (int kind = 0; kind < 4; ++kind) {
        auto* radio = new QRadioButton(kLocationTexts[kind]);
        location_->addButton(radio, kind);
        locationLayout->addWidget(radio, kind, 0);
        if (kind == 0) continue;
        auto* list = new QComboBox;
        list->setObjectName(kLocationListNames[kind - 1]);
        list->addItem("None");
        for (int number = 1; number <= kLocationListLength; ++number)
            list->addItem(QString("%1 %2").arg(kLocationListWords[kind - 1]).arg(number));
        connect(list, &QComboBox::activated, this,
                [this](int index) { carried_.settings.wordokuLocationNbr = index; });
        locationLists_[kind - 1] = list;
        locationLayout->addWidget(list, kind, 1);
    }
    connect(location_, &QButtonGroup::idToggled, this, [this](int, bool checked) {
        if (checked) ShowLocationLists();
    });
    layout->addWidget(locationBox);
    layout->addStretch();
    return page;
}

QWidget* BoardOptionsDialog::BuildFilesPage() {
    auto* page = new QWidget;
    QFormLayout* form = FormOn(page);
    AddFlag(form, "&Retrieve Only Clues when Loading Sudoku Board", "RetrieveOnlyClues");
    AddFlag(form, "Automatically &Load Board from Last Session", "AutoLoadBoard");
    return page;
}

void BoardOptionsDialog::Show(const BoardOptions& options) {
    carried_ = options;
    const ViewSettings& settings = options.settings;
    for (const ColourField& field : kColourFields)
        findChild<ColourButton*>(field.name)->setColour(settings.*field.member);
    for (const FlagField& field : kFlagFields)
        findChild<QCheckBox*>(field.name)->setChecked(settings.*field.member != 0);
    findChild<QCheckBox*>(kAllowBruteForceTech)->setChecked(options.allowBruteForceTech != 0);
    if (QAbstractButton* type = assignment_->button(settings.wordokuAssignmentType))
        type->setChecked(true);
    wordListPath_->setText(QString::fromStdString(settings.wordokuWordListPath));
    if (QAbstractButton* kind = location_->button(settings.wordokuLocAssignmentType))
        kind->setChecked(true);
    ShowLocationLists();
}

BoardOptions BoardOptionsDialog::options() const {
    BoardOptions options = carried_;
    ViewSettings& settings = options.settings;
    for (const ColourField& field : kColourFields)
        settings.*field.member = findChild<ColourButton*>(field.name)->colour();
    for (const FlagField& field : kFlagFields)
        settings.*field.member = findChild<QCheckBox*>(field.name)->isChecked() ? 1 : 0;
    options.allowBruteForceTech = findChild<QCheckBox*>(kAllowBruteForceTech)->isChecked() ? 1 : 0;
    // A choice the store held but no button stands for stays as it was.
    if (assignment_->checkedId() >= 0) settings.wordokuAssignmentType = assignment_->checkedId();
    settings.wordokuWordListPath = wordListPath_->text().toStdString();
    if (location_->checkedId() >= 0) settings.wordokuLocAssignmentType = location_->checkedId();
    return options;
}

void BoardOptionsDialog::ShowLocationLists() {
    const int kind = location_->checkedId();
    const int number = carried_.settings.wordokuLocationNbr;
    for (int list = 0; list < 3; ++list) {
        const bool chosen = kind == list + 1;
        locationLists_[list]->setEnabled(chosen);
        locationLists_[list]->setCurrentIndex(
            chosen && number >= 1 && number <= kLocationListLength ? number : 0);
    }
}

void BoardOptionsDialog::Browse() {
    const std::string current = wordListPath_->text().toStdString();
    const std::filesystem::path start =
        current.empty() ? platform_.ProgramFolder() : std::filesystem::path(current).parent_path();
    const std::optional<std::filesystem::path> chosen =
        platform_.ChooseFile(FileChoice::Open, "Words List", start, kWordsFileFilter);
    if (!chosen) return;
    const std::string path = chosen->string();
    if (path.size() > kSettingsTextLimit) {
        platform_.ShowMessage(kWordsPathTooLongMessage);
        return;
    }
    wordListPath_->setText(QString::fromStdString(path));
}

void BoardOptionsDialog::ChooseRandomWord() {
    Browse();
    if (wordListPath_->text().isEmpty()) platform_.ShowMessage(kInvalidWordsPathMessage);
}
