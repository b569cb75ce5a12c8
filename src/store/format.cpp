#include "store/format.h"

namespace store {

QString fileName(DataFile file)
{
    static const QString names[] = {QStringLiteral("VEMTORBF"), QStringLiteral("VERUNDAR"),
                                    QStringLiteral("VERUNDAH"), QStringLiteral("VERUNDAK")};
    return names[int(file)];
}

} // namespace store
