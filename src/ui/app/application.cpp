#include "ui/app/application.h"

#include <QApplication>

namespace quillora {

int runApplication(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quillora"));
    return 0;
}

} // namespace quillora
