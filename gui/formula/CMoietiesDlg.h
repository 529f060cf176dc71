#pragma once

#include "formula/MoietiesForm.h"

#include <QDialog>

#include <string_view>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace solvo {

class CFEdit;
class CStaticFormulaFrame;

/// The dialog "Element and abbreviation/moiety editor": the element and
/// moiety table as a list sortable by any column, the fields of one entry
/// with its composition drawn beneath them, and "Add", "Modify", "Delete"
/// and "Exit". The rules are the MoietiesForm's; every change goes straight
/// into the table.
class CMoietiesDlg : public QDialog {
    Q_OBJECT

public:
    /// table must outlive the dialog; countUses gives the uses of every
    /// entry in the open solutions and the database.
    CMoietiesDlg(ElementTable& table, std::int32_t displayDigits,
                 MoietiesForm::UseCounter countUses, QWidget* parent = nullptr);

    /// The list's column widths at a scale of 1, before any widening for
    /// their headings.
    static constexpr int kColumnWidths[MoietiesForm::kColumnCount] = {30, 90, 70, 103};

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWidgets(const ElementTable& table);
    void Connect();
    void FieldEdited(QLineEdit& edit, const QString& text, std::string_view before,
                     void (MoietiesForm::*type)(std::string_view));
    void Finish(std::string_view message);
    void Mirror();
    void MirrorList();

    MoietiesForm form_;
    std::int32_t displayDigits_;
    std::uint64_t shownRevision_ = 0;

    QLineEdit* symbol_ = nullptr;
    CFEdit* molarMass_ = nullptr;
    QLineEdit* composition_ = nullptr;
    QLineEdit* comment_ = nullptr;
    CStaticFormulaFrame* frame_ = nullptr;
    QTreeWidget* list_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* modify_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* exit_ = nullptr;
};

} // namespace solvo
