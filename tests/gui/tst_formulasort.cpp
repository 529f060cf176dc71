#include "GuiTestFixture.h"

#include "app/RichTextMime.h"
#include "formula/CFormulaSortDlg.h"
#include "formula/CStaticFormulaFrame.h"
#include "formula/ElementTable.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

using namespace solvo;

class FormulaSortTest : public QObject {
    Q_OBJECT

private slots:
    void shows_the_typed_and_the_ordered_formula()
    {
        ElementTable table;
        table.LoadDefaults();
        CFormulaSortDlg dialog(table);
        const auto frames = dialog.findChildren<CStaticFormulaFrame*>();
        QCOMPARE(frames.size(), 2);
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("formula")),
                         QStringLiteral("CuSO_4&5H_2O"));
        QCOMPARE(frames[0]->Frame().Text(), std::string("CuSO_4&5H_2O"));
        QCOMPARE(frames[1]->Frame().Text(), std::string("H10O9SCu"));
        QVERIFY(frames[0]->MolarMass() > 249.6 && frames[0]->MolarMass() < 249.7);
        QCOMPARE(frames[1]->MolarMass(), frames[0]->MolarMass());
    }

    void copies_text_with_rich_text_or_alone()
    {
        ElementTable table;
        table.LoadDefaults();
        CFormulaSortDlg dialog(table);
        QTest::keyClicks(dialog.findChild<QLineEdit*>(QStringLiteral("formula")),
                         QStringLiteral("CuSO_4&5H_2O"));
        QList<QPushButton*> buttons;
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (!qobject_cast<QDialogButtonBox*>(button->parent()))
                buttons << button;
        QCOMPARE(buttons.size(), 8);

        const struct {
            const char* text;
            const char* rich;
        } expected[] = {
            {"CuSO_4&5H_2O", "{\\rtf1\\ansi{CuSO{\\sub 4}{\\super .}5H{\\sub 2}O}}"},
            {"CuSO<sub>4</sub>&middot;5H<sub>2</sub>O",
             "{\\rtf1\\ansi{CuSO{\\sub 4}{\\super .}5H{\\sub 2}O}}"},
            {"CuSO[sub]4[/sub][sup].[/sup]5H[sub]2[/sub]O", nullptr},
            {"\\textrm{CuSO}_{4}\\cdot\\textrm{5H}_{2}\\textrm{O}", nullptr},
            {"H10O9SCu", "{\\rtf1\\ansi{H{\\sub 10}O{\\sub 9}SCu}}"},
            {"H<sub>10</sub>O<sub>9</sub>SCu", "{\\rtf1\\ansi{H{\\sub 10}O{\\sub 9}SCu}}"},
            {"H[sub]10[/sub]O[sub]9[/sub]SCu", nullptr},
            {"\\textrm{H}_{10}\\textrm{O}_{9}\\textrm{SCu}", nullptr},
        };
        for (int i = 0; i < 8; ++i) {
            QTest::mouseClick(buttons[i], Qt::LeftButton);
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            QCOMPARE(data->text(), QString::fromLatin1(expected[i].text));
            QVERIFY(!data->hasHtml());
            for (const QString& format : RichTextMime::Formats()) {
                QCOMPARE(data->hasFormat(format), expected[i].rich != nullptr);
                if (expected[i].rich)
                    QCOMPARE(data->data(format), QByteArray(expected[i].rich));
            }
        }
    }
};

SOLVO_GUI_TEST_MAIN(FormulaSortTest)
#include "tst_formulasort.moc"
