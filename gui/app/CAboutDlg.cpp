#include "app/CAboutDlg.h"

#include "app/CStaticLink.h"
#include "app/HelpCommands.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
#include <QVersionNumber>

namespace solvo {

namespace {

// A sentence with its link after it, a space apart, the link only as wide as
// its text.
QHBoxLayout* SentenceWithLink(const QString& sentence, CStaticLink* link)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(link->fontMetrics().horizontalAdvance(QLatin1Char(' ')));
    row->addWidget(new QLabel(sentence));
    row->addWidget(link);
    row->addStretch();
    return row;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent),
      supportLink_(new CStaticLink(QString::fromLatin1(kSupportAddress))),
      calculatorsLink_(new CStaticLink(tr("Calculators"))),
      dataSourcesLink_(new CStaticLink(tr("Data sources")))
{
    const QString name = QCoreApplication::applicationName();
    setWindowTitle(tr("About ") + name);

    auto* icon = new QLabel;
    const int iconSize = style()->pixelMetric(QStyle::PM_LargeIconSize);
    icon->setPixmap(QIcon(QStringLiteral(":/solvo.svg")).pixmap(QSize(iconSize, iconSize)));
    icon->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* title = new QLabel(name);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    title->setFont(titleFont);

    supportLink_->setObjectName(QStringLiteral("supportLink"));
    supportLink_->SetTarget(QUrl(QStringLiteral("mailto:") + QString::fromLatin1(kSupportAddress) +
                                 QStringLiteral("?subject=") + name + QLatin1Char(' ') +
                                 QStringLiteral(SOLVO_VERSION_TEXT)));
    calculatorsLink_->setObjectName(QStringLiteral("calculatorsLink"));
    calculatorsLink_->SetTarget(HelpCommands::LinkTo(QString::fromLatin1(kCalculatorsTopic)));
    dataSourcesLink_->setObjectName(QStringLiteral("dataSourcesLink"));
    dataSourcesLink_->SetTarget(HelpCommands::LinkTo(QString::fromLatin1(kDataSourcesTopic)));

    auto* text = new QVBoxLayout;
    text->addWidget(title);
    text->addWidget(new QLabel(VersionLine(QStringLiteral(SOLVO_VERSION_TEXT))));
    text->addWidget(new QLabel(tr("Copyright \u00a9 Flaskware")));
    text->addSpacing(fontMetrics().height());
    text->addLayout(SentenceWithLink(tr("If you need help contact us at"), supportLink_));
    text->addLayout(SentenceWithLink(tr("Look for other chemical calculators on the help page"),
                                     calculatorsLink_));
    text->addSpacing(fontMetrics().height());
    text->addWidget(new QLabel(tr("Densities of the reagent library: CRC Handbook of Chemistry and "
                                  "Physics, 102nd edition (2021),\nas digitised by Daniel Hardy, "
                                  "Copyright (c) 2022, under the MIT licence.")));
    text->addLayout(SentenceWithLink(tr("The licence notice and the other sources are on the help page"),
                                     dataSourcesLink_));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0);
    layout->addLayout(text, 0, 1);
    layout->addWidget(buttons, 1, 0, 1, 2);
    layout->setHorizontalSpacing(fontMetrics().averageCharWidth() * 3);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setDefault(true);
    ok->setFocus();
}

QString CAboutDlg::VersionLine(const QString& version)
{
    const QVersionNumber parts = QVersionNumber::fromString(version);
    return tr("Version %1.%2.%3.%4")
        .arg(parts.segmentAt(0))
        .arg(parts.segmentAt(1))
        .arg(parts.segmentAt(2))
        .arg(parts.segmentAt(3));
}

} // namespace solvo
