#include "GuiTestFixture.h"

#include "formula/CStaticFormulaFrame.h"
#include "formula/ChemicalFormula.h"
#include "formula/ElementTable.h"
#include "formula/QtFormulaCanvas.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QtTest>

#include <memory>
#include <string>

namespace {

// Text is drawn black; the edge's shades and the face are much lighter.
bool IsInk(QRgb pixel)
{
    return qGray(pixel) < 110;
}

// The smallest rectangle around the ink of image within area, or an empty one.
QRect InkBounds(const QImage& image, const QRect& area)
{
    QRect bounds;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            if (IsInk(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// With SOLVO_TEST_SCREENSHOTS naming a folder, the grabs are kept there to look at.
void Keep(const QImage& image, const QString& name)
{
    const QString folder = qEnvironmentVariable("SOLVO_TEST_SCREENSHOTS");
    if (!folder.isEmpty())
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

// A window laid out as a dialog would be, with an empty group box where the formula goes.
struct FormulaWindow {
    explicit FormulaWindow(const solvo::ElementTable& table, Qt::Alignment titleAlignment = Qt::AlignRight)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Formula:")));
        placeholder = new QGroupBox(QStringLiteral("molar mass"));
        placeholder->setAlignment(titleAlignment);
        layout->addWidget(placeholder);
        layout->addWidget(new QLabel(QStringLiteral("below")));
        frame = new solvo::CStaticFormulaFrame(table);
        frame->AttachToPlaceholder(placeholder);
    }

    QImage Show(const std::string& text)
    {
        frame->SetFormulaText(text, true);
        window.show();
        window.adjustSize();
        if (!QTest::qWaitForWindowExposed(&window))
            return {};
        QCoreApplication::processEvents();
        return frame->grab().toImage();
    }

    QWidget window;
    QGroupBox* placeholder = nullptr;
    solvo::CStaticFormulaFrame* frame = nullptr;
};

} // namespace

class FormulaFrameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { table_.LoadDefaults(); }

    void arial_fonts_have_the_asked_cell_height()
    {
        for (const int height : {18, 36, 72}) {
            const QFont font = solvo::QtFormulaCanvas::ToQFont({"Arial", height, 700});
            QVERIFY(font.bold());
            QVERIFY(qAbs(QFontMetricsF(font).height() - height) <= 1.0);
        }
        QCOMPARE(QFontInfo(solvo::QtFormulaCanvas::ToQFont({"Arial", -20, 400})).pixelSize(), 20);
    }

    void hydrate_takes_the_placeholders_place_with_its_molar_mass()
    {
        FormulaWindow form(table_);
        const QImage image = form.Show("CuSO_4&5H_2O;copper(II) sulfate pentahydrate");
        Keep(image, QStringLiteral("hydrate"));

        QVERIFY(form.placeholder->isHidden());
        QVERIFY(form.frame->isVisible());
        QCOMPARE(form.window.layout()->indexOf(form.frame), 1);
        QCOMPARE(form.frame->accessibleName(), QStringLiteral("molar mass"));
        QCOMPARE(form.frame->Frame().Text(), std::string("CuSO_4&5H_2O"));
        QCOMPARE(form.frame->Frame().Caption(), std::string("249.68"));
        QVERIFY(form.frame->width() >= form.frame->minimumSizeHint().width());
        QVERIFY(form.frame->height() >= form.frame->minimumSizeHint().height());

        const qreal ratio = image.devicePixelRatio();
        const QRect whole = image.rect();
        const int captionBottom = qCeil(QFontMetrics(form.frame->font()).height() * ratio);
        // The caption sits at the top right, over the edge; the formula below it.
        const QRect caption = InkBounds(image, QRect(0, 0, whole.width(), captionBottom));
        QVERIFY(!caption.isEmpty());
        QVERIFY(caption.left() > whole.width() / 2);
        QVERIFY(caption.right() <= whole.width() - qRound(6 * ratio));
        const QRect formula = InkBounds(image, QRect(0, captionBottom, whole.width(), whole.height()));
        QVERIFY(!formula.isEmpty());
        QVERIFY(formula.width() > whole.width() / 2);
        QVERIFY(formula.left() > qRound(2 * ratio));
        QVERIFY(formula.right() < whole.width() - qRound(2 * ratio));
        QVERIFY(formula.bottom() < whole.height() - qRound(2 * ratio));
        // Centred: the room left and right of the formula differs by rounding only.
        QVERIFY(qAbs(formula.left() - (whole.width() - 1 - formula.right())) <= qRound(3 * ratio));
    }

    void narrow_frames_shrink_the_formula_inside_the_edge_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("formula");
        for (const int width : {70, 120, 200, 400}) {
            QTest::addRow("hydrate %d", width) << width << QStringLiteral("K_4[Fe(CN)_6]&3H_2O");
            QTest::addRow("charged %d", width) << width << QStringLiteral("SO_4^{2-}");
        }
    }

    void narrow_frames_shrink_the_formula_inside_the_edge()
    {
        QFETCH(int, width);
        QFETCH(QString, formula);
        solvo::CStaticFormulaFrame frame(table_);
        frame.SetFormulaText(formula.toStdString(), true);
        frame.resize(width, frame.minimumSizeHint().height());
        const QImage image = frame.grab().toImage();
        Keep(image, QStringLiteral("narrow-%1-%2").arg(width).arg(formula.size()));

        const qreal ratio = image.devicePixelRatio();
        const int captionBottom = qCeil(QFontMetrics(frame.font()).height() * ratio);
        const QRect ink = InkBounds(image, QRect(0, captionBottom, image.width(), image.height()));
        QVERIFY(!ink.isEmpty());
        QVERIFY(ink.left() > qRound(2 * ratio));
        QVERIFY(ink.right() < image.width() - qRound(2 * ratio));
        QVERIFY(ink.bottom() < image.height() - qRound(2 * ratio));
    }

    void a_larger_font_grows_the_frame_and_keeps_the_caption_whole()
    {
        FormulaWindow form(table_, Qt::AlignLeft);
        form.Show("MgCl_2&6H_2O");
        const QSize before = form.frame->minimumSizeHint();

        QFont large = form.window.font();
        large.setPointSizeF(large.pointSizeF() * 2.5);
        form.window.setFont(large);
        form.window.adjustSize();
        QCoreApplication::processEvents();
        const QImage image = form.frame->grab().toImage();
        Keep(image, QStringLiteral("large-font"));

        QCOMPARE(form.frame->Frame().Caption(), std::string("203.30"));
        QVERIFY(form.frame->minimumSizeHint().height() > before.height());
        QVERIFY(form.frame->minimumSizeHint().width() > before.width());
        QVERIFY(form.frame->height() >= form.frame->minimumSizeHint().height());
        const qreal ratio = image.devicePixelRatio();
        const int captionBottom = qCeil(QFontMetrics(large).height() * ratio);
        const QRect caption = InkBounds(image, QRect(0, 0, image.width(), captionBottom));
        QVERIFY(caption.left() >= qRound(6 * ratio));
        QVERIFY(caption.right() < image.width() - qRound(6 * ratio));
        QVERIFY(caption.top() > 0);
        const QRect formula = InkBounds(image, QRect(0, captionBottom, image.width(), image.height()));
        QVERIFY(!formula.isEmpty());
        QVERIFY(formula.bottom() < image.height() - qRound(2 * ratio));
    }

    // Fonts and shaped text are kept between paints: what a frame shows after
    // its formula, font and size changed must be what a new frame shows.
    void a_repainted_frame_looks_as_a_new_one()
    {
        solvo::CStaticFormulaFrame reused(table_);
        reused.SetFormulaText("Na_3PO_4&12H_2O", true);
        reused.resize(260, reused.minimumSizeHint().height());
        (void)reused.grab();

        QFont larger = reused.font();
        larger.setPointSizeF(larger.pointSizeF() * 1.5);
        const auto change = [&](solvo::CStaticFormulaFrame& frame) {
            frame.setFont(larger);
            frame.SetFormulaText("K_2HPO_4&3H_2O", true);
            frame.resize(200, frame.minimumSizeHint().height());
        };
        change(reused);
        solvo::CStaticFormulaFrame fresh(table_);
        change(fresh);
        QCOMPARE(reused.grab().toImage(), fresh.grab().toImage());
    }

    void any_text_paints_without_a_caption_when_it_gives_no_mass()
    {
        std::string highBytes;
        for (int byte = 0x80; byte <= 0xFF; ++byte)
            highBytes += static_cast<char>(byte);
        const std::string texts[] = {"", "Water", highBytes.substr(0, 100), highBytes,
                                     std::string(64 * 1024, 'x'), std::string("Na\0Cl", 5)};
        solvo::CStaticFormulaFrame frame(table_);
        frame.resize(240, frame.minimumSizeHint().height());
        for (const std::string& text : texts) {
            frame.SetFormulaText(text, true);
            const QImage image = frame.grab().toImage();
            QVERIFY(!image.isNull());
            QCOMPARE(frame.Frame().Caption(), std::string());
            const bool drawn = !text.empty() && text.size() <= 127;
            QCOMPARE(!InkBounds(image, image.rect()).isEmpty(), drawn);
        }
    }

    void a_page_with_y_upwards_draws_formulas_as_a_screen_does()
    {
        const solvo::ChemicalFormula formula(table_, "CuSO_4&5H_2O");
        const solvo::FontSpec large{"Arial", 36, 700};
        const solvo::FontSpec small{"Arial", 18, 700};
        const auto render = [&](bool yAxisUp) {
            QImage image(300, 80, QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            if (yAxisUp)
                painter.scale(1, -1);
            solvo::CanvasTextCache cache;
            solvo::QtFormulaCanvas canvas(painter, cache, yAxisUp);
            formula.DrawFormula(canvas, large, small, 10, yAxisUp ? -10 : 10, solvo::TextAlign::Left, 0, 0);
            painter.end();
            return InkBounds(image, image.rect());
        };
        const QRect down = render(false);
        const QRect up = render(true);
        QVERIFY(!down.isEmpty());
        QVERIFY(qAbs(up.top() - down.top()) <= 1);
        QVERIFY(qAbs(up.bottom() - down.bottom()) <= 1);
        QVERIFY(qAbs(up.left() - down.left()) <= 1);
        QVERIFY(qAbs(up.right() - down.right()) <= 1);
    }

private:
    solvo::ElementTable table_;
};

SOLVO_GUI_TEST_MAIN(FormulaFrameTest)
#include "tst_formulaframe.moc"
