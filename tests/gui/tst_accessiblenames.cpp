#include "GuiTestFixture.h"

#include "app/CAboutDlg.h"
#include "app/CMainFrame.h"
#include "app/CSolvoApp.h"
#include "app/CTipofTheDay.h"
#include "app/HelpWindow.h"
#include "buffers/CBufferDialog.h"
#include "calculators/CConcentrationCalculator.h"
#include "calculators/CSolutionMixer.h"
#include "formula/CFormulaSortDlg.h"
#include "formula/CMoietiesDlg.h"
#include "library/CLibraryDlg.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"
#include "substances/CDatabasePasswordDlg.h"
#include "substances/CSubstanceDatabaseDlg.h"
#include "substances/CUnsolvedFormulasDlg.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace {

// What a screen reader says of every input under root that the user can
// reach: the fields, lists, tables and text boxes, not the parts Qt builds
// inside them. Returns the inputs that say nothing, by class and object name.
QStringList Unnamed(const QWidget& root)
{
    QStringList unnamed;
    for (QWidget* widget : root.findChildren<QWidget*>()) {
        const bool input = qobject_cast<QLineEdit*>(widget) || qobject_cast<QComboBox*>(widget) ||
                           qobject_cast<QAbstractSpinBox*>(widget) || qobject_cast<QTextEdit*>(widget) ||
                           qobject_cast<QPlainTextEdit*>(widget) || qobject_cast<QAbstractItemView*>(widget);
        if (!input)
            continue;
        bool inside = false;
        for (QWidget* up = widget->parentWidget(); up && up != &root; up = up->parentWidget()) {
            inside = inside || qobject_cast<QComboBox*>(up) || qobject_cast<QAbstractSpinBox*>(up) ||
                     qobject_cast<QAbstractItemView*>(up);
        }
        if (inside)
            continue;
        // A list without a name of its own reads out its current item, which
        // says nothing of what it is for.
        bool labelled = !qobject_cast<QComboBox*>(widget) || !widget->accessibleName().isEmpty();
        for (const QLabel* label : root.findChildren<QLabel*>())
            labelled = labelled || label->buddy() == widget;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!labelled || !accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 \"%2\"").arg(QString::fromLatin1(widget->metaObject()->className()),
                                                      widget->objectName());
    }
    return unnamed;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void every_input_of_every_window_says_what_it_holds()
    {
        solvo::test::StartedSolvo s;
        solvo::CMainFrame& frame = *s.solvo.MainFrame();
        solvo::CSolvoApp& app = s.solvo.App();
        solvo::DocumentManager& documents = *s.solvo.Documents();
        documents.ShowRecipeWindow(*documents.ActiveDocument());
        solvo::SolvoSubstance component;

        std::vector<std::pair<QString, std::unique_ptr<QWidget>>> dialogs;
        dialogs.emplace_back(QStringLiteral("concentration calculator"),
                             std::make_unique<solvo::CConcentrationCalculator>(app, component, false));
        dialogs.emplace_back(QStringLiteral("mixer"), std::make_unique<solvo::CSolutionMixer>(app));
        dialogs.emplace_back(QStringLiteral("buffer"), std::make_unique<solvo::CBufferDialog>(app, 1000.0));
        dialogs.emplace_back(QStringLiteral("database"),
                             std::make_unique<solvo::CSubstanceDatabaseDlg>(app, solvo::DatabaseDialogMode::Browsing));
        dialogs.emplace_back(QStringLiteral("reagent library"), std::make_unique<solvo::CLibraryDlg>());
        dialogs.emplace_back(QStringLiteral("moieties"),
                             std::make_unique<solvo::CMoietiesDlg>(app.Elements(), 4, [] {
                                 return std::vector<std::int32_t>();
                             }));
        dialogs.emplace_back(QStringLiteral("formula sort"), std::make_unique<solvo::CFormulaSortDlg>(app.Elements()));
        dialogs.emplace_back(QStringLiteral("unsolved formulas"),
                             std::make_unique<solvo::CUnsolvedFormulasDlg>(app.Elements(),
                                                                           std::vector<std::string>{"NaCl"}));
        dialogs.emplace_back(QStringLiteral("new password"),
                             std::make_unique<solvo::CDatabasePasswordDlg>(solvo::PasswordDialogMode::NewPassword, ""));
        dialogs.emplace_back(QStringLiteral("tip of the day"), std::make_unique<solvo::CTipofTheDay>(app.Settings()));
        dialogs.emplace_back(QStringLiteral("about"), std::make_unique<solvo::CAboutDlg>());
        dialogs.emplace_back(QStringLiteral("help"), std::make_unique<solvo::HelpWindow>());

        QStringList unnamed;
        for (const QString& name : Unnamed(frame))
            unnamed << QStringLiteral("main window: ") + name;
        for (const auto& [title, dialog] : dialogs) {
            for (const QString& name : Unnamed(*dialog))
                unnamed << title + QStringLiteral(": ") + name;
        }
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("\n"))));
    }

    void the_composition_fields_are_named_for_what_they_hold()
    {
        solvo::test::StartedSolvo s;
        QWidget& view = *s.solvo.MainFrame()->MdiArea()->activeSubWindow()->widget();
        const auto name = [&view](const char* object) {
            QWidget* widget = view.findChild<QWidget*>(QString::fromLatin1(object));
            if (!widget)
                return QString();
            // On X11 Qt reads a list's current item as its name and tells
            // its purpose by the name set on it.
            return qobject_cast<QComboBox*>(widget) ? widget->accessibleName()
                                                    : QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        QCOMPARE(name("concentration"), QStringLiteral("concentration"));
        QCOMPARE(name("concentrationUnit"), QStringLiteral("concentration unit"));
        QCOMPARE(name("source"), QStringLiteral("source"));
    }
};

SOLVO_GUI_TEST_MAIN(AccessibleNamesTest)
#include "tst_accessiblenames.moc"
