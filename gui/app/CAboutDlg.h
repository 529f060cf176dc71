#pragma once

#include <QDialog>

namespace solvo {

class CStaticLink;

/// The About box: the program's icon, name, version and makers, and two
/// links, one to write to the makers' support and one to the help page on
/// the program's calculators.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* kSupportAddress = "support@flaskware.example";
    static constexpr const char* kCalculatorsTopic = "html\\calculators.htm";

    explicit CAboutDlg(QWidget* parent = nullptr);

    /// "Version " and the four parts of the program's version, most
    /// significant first, a missing part counting as 0.
    static QString VersionLine(const QString& version);

    CStaticLink* SupportLink() const { return supportLink_; }
    CStaticLink* CalculatorsLink() const { return calculatorsLink_; }

private:
    CStaticLink* supportLink_;
    CStaticLink* calculatorsLink_;
};

} // namespace solvo
