#pragma once
// A "<Bild>" data field of a generated label window becomes a picture of the
// plant whose record is being transferred.
#include <QString>
#include <cstdint>

namespace sorvo {

class frmDbSaetzeWaehlen;

// Fills data field j of label window w (the window being generated, made the
// current one) with a picture of the record at saetze.Data1's current
// position: asks for the picture folder when it is not known, searches the
// record's pictures, lets the user choose when there are several (the
// choice window), and places the picture where the data field is, at half
// its natural size, fitted into the field's maximum box (maxBreite,
// maxHoehe in whole millimetres, 0 = none) or else kept inside the label.
// The picture takes the data field's place in the stacking order. Whatever
// happens (no folder, no picture, none chosen, a file that cannot be read,
// a label that already holds as many pictures as it may), data field j is
// removed at the end and no other element is changed; an error of the
// picture table goes to the caller, the field still in place. Returns the
// path of a chosen picture that could not be read (no picture, empty,
// damaged, of a size beyond reason), "" otherwise: the caller tells the
// user once for all records.
QString BildFeldFuellen(frmDbSaetzeWaehlen& saetze, int32_t w, int32_t j, int32_t maxBreite,
                        int32_t maxHoehe);

} // namespace sorvo
