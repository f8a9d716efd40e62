#include "program_identity.h"

#include <QCoreApplication>
#include <QString>

namespace drelk::window {

void DescribeProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Drelk"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.00"));
    QCoreApplication::setOrganizationName(QStringLiteral("The Drelk developers"));
}

QIcon ProgramIcon() { return QIcon(QStringLiteral(":/icons/drelk.xpm")); }

} // namespace drelk::window
