#include "GuiTestFixture.h"

#include "app/CommandActions.h"
#include "app/SolvoApplication.h"
#include "buffers/BufferCatalogue.h"
#include "buffers/BufferFormReader.h"
#include "buffers/BufferModel.h"
#include "buffers/BufferRecipe.h"
#include "buffers/CBufferDialog.h"
#include "solution/CSolvoView.h"
#include "solution/DocumentManager.h"
#include "solution/SolvoDocument.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTimer>
#include <QtTest>

#include <functional>

using solvo::CBufferDialog;
using solvo::test::FindChild;

class BufferTest : public QObject {
    Q_OBJECT

private:
    using Started = solvo::test::StartedSolvo;

    static void Type(const QWidget& dialog, const char* field, const QString& text)
    {
        auto* edit = FindChild<QLineEdit>(dialog, field);
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Runs the command "Buffer…" with work done in the dialog it opens.
    void RunBuffer(Started& s, const std::function<void(CBufferDialog&)>& work)
    {
        bool ran = false;
        QTimer::singleShot(0, this, [&] {
            auto* dialog = qobject_cast<CBufferDialog*>(QApplication::activeModalWidget());
            QVERIFY(dialog != nullptr);
            work(*dialog);
            ran = true;
        });
        s.solvo.MainFrame()->Commands().buffer->trigger();
        QVERIFY(ran);
    }

private slots:
    void phosphate_at_ph_7_4_fills_the_open_solution()
    {
        Started s;
        solvo::SolvoDocument* document = s.solvo.Documents()->Documents().front();
        RunBuffer(s, [](CBufferDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Buffer"));
            QCOMPARE(FindChild<QComboBox>(dialog, "system")->currentText(), QStringLiteral("phosphoric acid"));
            QCOMPARE(FindChild<QComboBox>(dialog, "acidForm")->currentText(), QStringLiteral("NaH2PO4"));
            QCOMPARE(FindChild<QComboBox>(dialog, "baseForm")->currentText(), QStringLiteral("Na2HPO4"));
            Type(dialog, "targetPh", QStringLiteral("7.4"));
            Type(dialog, "total", QStringLiteral("0.1"));
            Type(dialog, "volume", QStringLiteral("500"));
            QCOMPARE(FindChild<QLabel>(dialog, "resultPh")->text(), QStringLiteral("7.4"));
            // Every input says what it is to a screen reader and in a tip.
            for (QWidget* input : dialog.findChildren<QWidget*>()) {
                if (qobject_cast<QLineEdit*>(input) != nullptr || qobject_cast<QComboBox*>(input) != nullptr) {
                    QVERIFY2(!input->accessibleName().isEmpty(), qPrintable(input->objectName()));
                    QVERIFY2(!input->toolTip().isEmpty(), qPrintable(input->objectName()));
                }
            }
            QTest::mouseClick(FindChild<QPushButton>(dialog, "ok"), Qt::LeftButton);
        });

        solvo::ElementTable elements;
        elements.LoadDefaults();
        const solvo::BufferFormReader reader(elements, solvo::BufferCatalogue::BuiltIn());
        const solvo::BufferModel model(solvo::BufferCatalogue::BuiltIn(), 25.0);
        const solvo::BufferRecipe recipe =
            solvo::BufferRecipe::ForPair(model, reader.Read("NaH2PO4"), reader.Read("Na2HPO4"), 0.1, {}, 7.4);
        const solvo::CSolvoDoc& data = document->Data();
        QCOMPARE(data.GetComponentCount(), 2);
        QCOMPARE(data.FinalVolume(), 0.5);
        QVERIFY(document->IsModified());
        for (std::int32_t i = 0; i < 2; ++i) {
            const solvo::SolvoSubstance& component = data.GetComponent(i);
            const solvo::BufferIngredient& ingredient = recipe.Ingredients()[static_cast<std::size_t>(i)];
            QCOMPARE(component.Formula(), ingredient.form.formula);
            QCOMPARE(component.Unit(), solvo::ConcentrationUnit::Molar);
            QCOMPARE(component.GetConcentration(solvo::ConcentrationUnit::Molar), ingredient.molPerL);
            QCOMPARE(component.Mass(), ingredient.molPerL * 0.5 * component.MolarMass());
        }
        // The composition view follows: one tab per form, named for it.
        auto* view = s.solvo.MainFrame()->findChild<solvo::CSolvoView*>();
        const QTabBar* tabs = view->findChild<QTabBar*>();
        QCOMPARE(tabs->count(), 2);
        QCOMPARE(tabs->tabText(0), QStringLiteral("NaH2PO4"));
        QCOMPARE(tabs->tabText(1), QStringLiteral("Na2HPO4"));
    }

    void cancel_changes_nothing()
    {
        Started s;
        solvo::SolvoDocument* document = s.solvo.Documents()->Documents().front();
        RunBuffer(s, [](CBufferDialog& dialog) {
            Type(dialog, "targetPh", QStringLiteral("7"));
            QTest::mouseClick(FindChild<QPushButton>(dialog, "cancel"), Qt::LeftButton);
        });
        QCOMPARE(document->Data().GetComponentCount(), 1);
        QVERIFY(document->Data().GetComponent(0).Formula().empty());
        QCOMPARE(document->Data().FinalVolume(), 0.0);
        QVERIFY(!document->IsModified());
    }
};

SOLVO_GUI_TEST_MAIN(BufferTest)
#include "tst_buffer.moc"
