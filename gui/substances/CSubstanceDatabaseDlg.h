#pragma once

#include "substances/SubstanceDatabaseForm.h"
#include "substances/SubstanceDatabaseWidgets.h"

#include <QDialog>

#include <optional>

class QTimer;

namespace solvo {

class CSolvoApp;
class SubstanceListModel;

/// The dialog "Substances database": the program database listed through a
/// filter, one substance shown and edited, and the buttons that add, modify
/// and delete entries or use one for a solution component. The rules live in
/// SubstanceDatabaseForm; the dialog forwards the user's actions to it and
/// mirrors its state into the controls, never feeding its own changes back.
class CSubstanceDatabaseDlg : public QDialog {
    Q_OBJECT

public:
    /// The application's database, element table, unit labels and display
    /// digits are used for the dialog's lifetime.
    CSubstanceDatabaseDlg(CSolvoApp& app, DatabaseDialogMode mode, SolvoSubstance current = {},
                          QWidget* parent = nullptr);
    ~CSubstanceDatabaseDlg() override;

    /// Browses the database, from the main window's command. Like Choose(),
    /// first offers to read the database file again when someone else has
    /// changed it, which may replace the element table too.
    static void Browse(CSolvoApp& app, QWidget* parent);
    /// Chooses a substance for a copy of component; the substance chosen when
    /// the dialog ended with "Use" or a double click, none when cancelled.
    static std::optional<SolvoSubstance> Choose(CSolvoApp& app, const SolvoSubstance& component, QWidget* parent);

    const SubstanceDatabaseForm& Form() const { return form_; }

    /// Adds every substance of the CSV file at path, all or nothing: a fault
    /// is shown with its line, substances of names the database holds are
    /// replaced only when the user agrees, and a summary says what was done.
    void ImportSubstances(const QString& path);

    /// Escape and the window's close box are Exit: an entry changed but not
    /// yet modified is asked about first.
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Before the form takes the database: a database read again afterwards
    // would leave it showing rows that are gone.
    static void OfferReload(CSolvoApp& app, QWidget* parent);
    void Connect();
    void Finish(const SubstanceDatabaseOutcome& outcome);
    void EditUnsolvedFormulas(const std::vector<std::string>& formulas);
    void AddFromLibrary();
    void ChooseImportFile();
    void Mirror();
    void MirrorRows();
    void MirrorField(SubstanceDatabaseField field);
    void MirrorTableText();
    void DrawPlot();
    void FieldEdited(SubstanceDatabaseField field, const QString& text);
    void TableTextEdited();

    CSolvoApp& app_;
    SubstanceDatabaseForm form_;
    SubstanceDatabaseWidgets widgets_;
    SubstanceListModel* model_;
    // Lists the rest of a slow filter a slice at a time, between events.
    QTimer* filterSlices_;
    std::uint32_t rowsShown_ = 0;
    std::vector<PlotPoint> plotShown_;
};

} // namespace solvo
