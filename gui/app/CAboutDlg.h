#pragma once

#include <QDialog>

namespace solvo {

class CStaticLink;

/// The About box: the program's icon, name, version and makers, and three
/// links: one to write to the makers' support, one to the help page on the
/// program's calculators, and one to the help page that names the sources
/// of the built-in reference data with their licences.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kSupportAddress = "support@flaskware.example";
    static constexpr const char* kCalculatorsTopic = "html\\calculators.htm";
    static constexpr const char* kDataSourcesTopic = "html\\data_sources.htm";

    explicit CAboutDlg(QWidget* parent = nullptr);

    /// "Version " and the four parts of the program's version, most
    /// significant first, a missing part counting as 0.
    static QString VersionLine(const QString& version);

    CStaticLink* SupportLink() const { return supportLink_; }
    CStaticLink* CalculatorsLink() const { return calculatorsLink_; }
    CStaticLink* DataSourcesLink() const { return dataSourcesLink_; }

private:
    CStaticLink* supportLink_;
    CStaticLink* calculatorsLink_;
    CStaticLink* dataSourcesLink_;
};

} // namespace solvo
