// The element store of the label window.
#include "label/frmLabel.h"
#include "label/unterprogramme.h"

namespace sorvo {

void frmLabel::elementeLeeren() {}

QString PlatzhalterPruefen() {
    return QString();
}

} // namespace sorvo
