#include "app/CTipofTheDay.h"

#include "app/TextConversion.h"
#include "app/TipTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace solvo {

namespace {

// The panel's text column, in average characters of the dialog's font.
constexpr int kTextColumns = 50;

QFont TipFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(16);
    font.setWeight(QFont::Medium);
    font.setFixedPitch(false);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

CTipofTheDay::CTipofTheDay(ProgramSettings& settings, QWidget* parent,
                           TipSequence::Random random)
    : QDialog(parent),
      tips_(settings, static_cast<std::int32_t>(TipTexts().size()), std::move(random)),
      text_(new QLabel),
      showAtStartup_(new QCheckBox(tr("Show tips at startup")))
{
    setWindowTitle(tr("Tip of the day"));

    auto* panel = new QFrame;
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);

    text_->setObjectName(QStringLiteral("tipText"));
    text_->setTextFormat(Qt::PlainText);
    text_->setWordWrap(true);
    text_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    text_->setFont(TipFont());
    // Room for the longest tip, so that the dialog keeps its size from tip to tip.
    const int width = fontMetrics().averageCharWidth() * kTextColumns;
    int height = 0;
    for (const std::string& tip : TipTexts()) {
        text_->setText(ToQString(tip));
        height = std::max(height, text_->heightForWidth(width));
    }
    text_->setMinimumSize(width, height);
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addWidget(text_);

    auto* icon = new QLabel;
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize);
    icon->setPixmap(QIcon(QStringLiteral(":/solvo.svg")).pixmap(QSize(iconSize, iconSize)));
    icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* ok = new QPushButton(tr("OK"));
    ok->setDefault(true);
    auto* next = new QPushButton(tr("&Next tip"));
    next->setObjectName(QStringLiteral("nextTip"));
    showAtStartup_->setObjectName(QStringLiteral("showAtStartup"));
    showAtStartup_->setChecked(tips_.ShowAtStartup());

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(icon);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(next);

    auto* layout = new QGridLayout(this);
    layout->addWidget(panel, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(showAtStartup_, 1, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(ok, next);
    setTabOrder(next, showAtStartup_);
    ok->setFocus();

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(next, &QPushButton::clicked, this, [this] {
        tips_.Next();
        ShowTip();
    });
    connect(showAtStartup_, &QCheckBox::clicked, this,
            [this](bool checked) { tips_.SetShowAtStartup(checked); });
    ShowTip();
}

void CTipofTheDay::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    tips_.OnScreen();
}

void CTipofTheDay::ShowTip()
{
    text_->setText(ToQString(TipTexts()[static_cast<std::size_t>(tips_.Shown())]));
}

} // namespace solvo
