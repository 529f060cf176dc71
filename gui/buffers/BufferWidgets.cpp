#include "buffers/BufferWidgets.h"

#include "app/DialogControls.h"
#include "buffers/BufferPlot.h"
#include "quantities/CFEdit.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace solvo {

namespace {

// Widths in quarters of the font's average character width.
constexpr int kNumberFieldWidth = 48;
constexpr int kListWidth = 100;
constexpr int kButtonWidth = 50;

struct FieldCaption {
    const char* objectName;
    const char* label;
    const char* unit;
    const char* toolTip;
};

constexpr std::array<FieldCaption, kBufferFieldCount> kFields = {{
    {"targetPh", "&target pH", "", "The pH the buffer is made to, as a pH meter reads it at the temperature of preparation"},
    {"total", "t&otal", "", "Concentration of the buffer: the two forms together, or the form titrated"},
    {"stock", "stoc&k", "M", "Molarity of the titrant's stock solution; 0 when the titrant is weighed"},
    {"temperature", "te&mperature", "\u00B0C", "Temperature at which the buffer is made and its pH set, 0 to 100 \u00B0C"},
    {"useTemperature", "temperature of &use", "\u00B0C",
     "Temperature at which the buffer is used, to show its pH there; leave empty for none"},
    {"salt", "extra &NaCl", "M", "Sodium chloride added besides, counted in the ionic strength"},
    {"volume", "&volume", "mL", "Volume of buffer the grams and millilitres are for"},
}};

struct ListText {
    const char* objectName;
    const char* label;
    const char* toolTip;
};

constexpr std::array<ListText, kBufferListCount> kLists = {{
    {"system", "&system", "The buffer system: its constants come from the compilation named in the About box"},
    {"method", "ma&de from", "Two forms of the system mixed, or one form brought to the pH with a strong acid or base"},
    {"acidForm", "&acid form", "The more protonated form, or the one form that is titrated"},
    {"baseForm", "&base form", "The less protonated form"},
    {"titrant", "t&itrant", "The strong acid or base that brings the form to the pH"},
    {"totalUnit", "", "Unit of the total"},
}};

QLabel* ResultLabel(const char* objectName, const QString& accessibleName)
{
    auto* label = new QLabel;
    label->setObjectName(QString::fromLatin1(objectName));
    label->setAccessibleName(accessibleName);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Wide enough for any number shown, so the layout does not shift as results come and go.
    label->setMinimumWidth(QFontMetrics(label->font()).averageCharWidth() * 10);
    return label;
}

} // namespace

BufferWidgets::BufferWidgets(QWidget& dialog, const std::function<std::int32_t()>& displayDigits)
    : units_(dialog)
{
    auto* grid = new QGridLayout;
    int row = 0;
    const auto addList = [&](BufferList list) {
        const ListText& text = kLists[static_cast<std::size_t>(list)];
        auto* combo = new QComboBox;
        combo->setObjectName(QString::fromLatin1(text.objectName));
        combo->setMinimumWidth(units_.Across(kListWidth));
        combo->setToolTip(QObject::tr(text.toolTip));
        lists_[static_cast<std::size_t>(list)] = combo;
        if (text.label[0] == '\0')
            return;
        QLabel* label = FieldLabel(QObject::tr(text.label), combo);
        combo->setAccessibleName(label->text().remove(QLatin1Char('&')));
        listLabels_[static_cast<std::size_t>(list)] = label;
        grid->addWidget(label, row, 0);
        grid->addWidget(combo, row++, 1, 1, 2);
    };
    const auto addField = [&](BufferField field) {
        const FieldCaption& text = kFields[static_cast<std::size_t>(field)];
        CFEdit* edit = NumberField(text.objectName, units_.Across(kNumberFieldWidth), displayDigits);
        edit->setToolTip(QObject::tr(text.toolTip));
        fields_[static_cast<std::size_t>(field)] = edit;
        QLabel* label = FieldLabel(QObject::tr(text.label), edit);
        edit->setAccessibleName(label->text().remove(QLatin1Char('&')));
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        if (field == BufferField::Total)
            grid->addWidget(lists_[static_cast<std::size_t>(BufferList::TotalUnit)], row, 2);
        else
            grid->addWidget(new QLabel(QString::fromUtf8(text.unit)), row, 2);
        ++row;
    };
    for (BufferList list : {BufferList::System, BufferList::Method, BufferList::AcidForm, BufferList::BaseForm,
                            BufferList::Titrant, BufferList::TotalUnit})
        addList(list);
    List(BufferList::TotalUnit)->setMinimumWidth(0);
    List(BufferList::TotalUnit)->setAccessibleName(QObject::tr("unit of the total"));
    for (std::int32_t i = 0; i < kBufferFieldCount; ++i)
        addField(static_cast<BufferField>(i));
    grid->setRowStretch(row, 1);

    plot = new BufferPlot;
    auto* top = new QHBoxLayout;
    top->addLayout(grid);
    top->addWidget(plot, 1);

    ok = NamedButton(QObject::tr("OK"), "ok");
    ok->setDefault(true);
    ok->setToolTip(QObject::tr("Add the forms to the open solution, or update those it has, each in M"));
    cancel = NamedButton(QObject::tr("Cancel"), "cancel");
    cancel->setToolTip(QObject::tr("Close and change nothing"));

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(top, 1);
    layout->addWidget(BuildResults());
    layout->addLayout(ButtonRow({ok, cancel}, units_.Across(kButtonWidth)));
}

QWidget* BufferWidgets::BuildResults()
{
    auto* box = new QGroupBox(QObject::tr("buffer"));
    amounts = new QTableWidget(0, 3);
    amounts->setObjectName(QStringLiteral("amounts"));
    amounts->setAccessibleName(QObject::tr("amounts"));
    amounts->setToolTip(QObject::tr("Each form's concentration and what to weigh or measure for the volume"));
    amounts->setHorizontalHeaderLabels({QObject::tr("form"), QObject::tr("mol/L"), QObject::tr("amount")});
    amounts->verticalHeader()->hide();
    amounts->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    amounts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    amounts->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    amounts->setMinimumHeight(amounts->horizontalHeader()->sizeHint().height() +
                              3 * amounts->verticalHeader()->defaultSectionSize() + 2 * amounts->frameWidth());

    resultPh = ResultLabel("resultPh", QObject::tr("pH of the amounts"));
    phAtUse = ResultLabel("phAtUse", QObject::tr("pH at the temperature of use"));
    ionicStrength = ResultLabel("ionicStrength", QObject::tr("ionic strength"));
    capacity = ResultLabel("capacity", QObject::tr("buffer capacity"));
    auto* state = new QGridLayout;
    const std::array<std::pair<QString, QLabel*>, 4> rows = {{
        {QObject::tr("pH of the amounts"), resultPh},
        {QObject::tr("pH at the temperature of use"), phAtUse},
        {QObject::tr("ionic strength, mol/L"), ionicStrength},
        {QObject::tr("capacity \u03B2, mol/L per pH"), capacity},
    }};
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const auto& [text, value] = rows[static_cast<std::size_t>(i)];
        state->addWidget(FieldLabel(text, value), i, 0);
        state->addWidget(value, i, 1);
    }
    state->setColumnStretch(1, 1);
    notes = ResultLabel("notes", QObject::tr("notes"));
    notes->setWordWrap(true);

    auto* layout = new QVBoxLayout(box);
    auto* side = new QHBoxLayout;
    side->addWidget(amounts, 3);
    side->addLayout(state, 2);
    layout->addLayout(side);
    layout->addWidget(notes);
    return box;
}

} // namespace solvo
