#include "qt/view_transform.h"

namespace torvik {

QTransform MappingTransform(const TViewMapping& aMapping) {
    return MappingTransform(aMapping.Scale(), aMapping.OffsetX(), aMapping.OffsetY());
}

QTransform MappingTransform(double aScale, double aDx, double aDy) {
    return QTransform(aScale, 0.0, 0.0, aScale, aDx, aDy);
}

}  // namespace torvik
