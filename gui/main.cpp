#include "app/SolvoApplication.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Flaskware"));
    QApplication::setApplicationName(QStringLiteral("Solvo"));
    QApplication::setApplicationVersion(QStringLiteral(SOLVO_VERSION_TEXT));

    solvo::SolvoApplication solvo;
    solvo.Start();
    const int status = QApplication::exec();
    solvo.Finish();
    return status;
}
