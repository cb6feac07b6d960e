#include "ui/DocumentSignals.h"

#include "chart/Tournament.h"

namespace ranvik {

DocumentSignals::DocumentSignals(Tournament& tournament, QObject* parent)
    : QObject(parent), tournament_(tournament) {
    tournament_.onShapeChanged = [this] { emit shapeChanged(); };
    tournament_.chart().history().onStepsChanged = [this] { emit stepsChanged(); };
    tournament_.chart().addListener(this);
}

DocumentSignals::~DocumentSignals() {
    tournament_.chart().removeListener(this);
    tournament_.chart().history().onStepsChanged = nullptr;
    tournament_.onShapeChanged = nullptr;
}

void DocumentSignals::cellsChanged(int /*col0*/, int /*row0*/, int /*col1*/, int /*row1*/) {
    emit textChanged();
}

void DocumentSignals::sizeChanged() {
    emit textChanged();
}

} // namespace ranvik
