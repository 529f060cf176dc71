#include "app/DialogControls.h"

#include "quantities/CFEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace solvo {

QLabel* FieldLabel(const QString& text, QWidget* field)
{
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setBuddy(field);
    return label;
}

QLineEdit* TextField(const char* objectName, int minimumWidth)
{
    auto* field = new QLineEdit;
    field->setObjectName(QString::fromLatin1(objectName));
    field->setMinimumWidth(minimumWidth);
    return field;
}

CFEdit* NumberField(const char* objectName, int minimumWidth, const std::function<std::int32_t()>& displayDigits)
{
    auto* field = new CFEdit(displayDigits);
    field->setObjectName(QString::fromLatin1(objectName));
    field->setMinimumWidth(minimumWidth);
    return field;
}

QPushButton* NamedButton(const QString& text, const char* objectName)
{
    auto* button = new QPushButton(text);
    button->setObjectName(QString::fromLatin1(objectName));
    return button;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons, int minimumWidth)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons) {
        button->setMinimumWidth(minimumWidth);
        row->addWidget(button);
    }
    return row;
}

QPushButton* DatabaseButton()
{
    auto* button = new QPushButton(QObject::tr("database"));
    button->setToolTip(QObject::tr("Choose the substance from the substance database"));
    return button;
}

void AddSubstanceRows(QGridLayout& grid, QPushButton* database, QLineEdit* name, QLineEdit* formula,
                      QLineEdit* molarMass)
{
    grid.addWidget(database, 0, 0);
    grid.addWidget(name, 0, 1, 1, 2);
    grid.addWidget(FieldLabel(QObject::tr("formula"), formula), 1, 0);
    grid.addWidget(formula, 1, 1, 1, 2);
    grid.addWidget(FieldLabel(QObject::tr("molar mass"), molarMass), 2, 0);
    grid.addWidget(molarMass, 2, 1);
}

QGroupBox* FormulaPlaceholder(const QString& title)
{
    auto* placeholder = new QGroupBox(title);
    placeholder->setAlignment(Qt::AlignRight);
    return placeholder;
}

void KeepPlaceWhenHidden(QWidget& widget)
{
    QSizePolicy keepPlace = widget.sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(keepPlace);
}

} // namespace solvo
