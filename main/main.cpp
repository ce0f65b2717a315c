#include <cstdio>

#include <QApplication>
#include <QIcon>

#include "main/frame/PlotvaneApp.h"

int main(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (QByteArray(argv[i]) == "--version") {
            std::printf("%s\n", CPlotvaneApp::VersionLine().toUtf8().constData());
            return 0;
        }
    }

    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessaline Software"));
    QApplication::setApplicationName(QStringLiteral("Plotvane"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/plotvane.svg")));

    CPlotvaneApp app;
    if (!app.InitInstance(QApplication::arguments())) {
        app.ExitInstance();
        return 1;
    }
    const int nCode = QApplication::exec();
    app.ExitInstance();
    return nCode;
}
