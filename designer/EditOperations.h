#pragma once
// The arranging edits of the designer as plain functions on objects, so
// that the canvas, the menus and the tests share one definition of each.
#include <QByteArray>
#include <optional>
#include <string>
#include <vector>

#include "labelrender/Design.h"
#include "labelrender/LabelJob.h"

namespace quill::designer {

using labelrender::DesignObject;
using labelrender::Length;

enum class Alignment { Left, HCentre, Right, Top, VCentre, Bottom };
enum class ZMove { ToFront, Forward, Backward, ToBack };

// The box an object covers on the label (lines may have negative sizes).
struct Box {
    Length left, top, right, bottom;
};
Box BoxOf(const DesignObject& object);
Box Bounds(const std::vector<DesignObject>& objects);

// Aligns the objects to the edge or centre of their common bounds; a
// single object is aligned to the label.
std::vector<DesignObject> Align(std::vector<DesignObject> objects, Alignment alignment, Length labelWidth,
                                Length labelHeight);
// Equal gaps between the objects, the outer two staying where they are.
std::vector<DesignObject> Distribute(std::vector<DesignObject> objects, bool horizontally);
// The objects' common bounds centred on the label, across or down.
std::vector<DesignObject> CentreOnLabel(std::vector<DesignObject> objects, bool horizontally, Length labelWidth,
                                        Length labelHeight);
std::vector<DesignObject> Moved(std::vector<DesignObject> objects, Length dx, Length dy);
// A quarter turn clockwise about the box's centre.
std::vector<DesignObject> Rotated(std::vector<DesignObject> objects);
// The new order of all objects when the selected ones move in the painting order.
std::vector<int> ZOrder(int objectCount, const std::vector<int>& selected, ZMove move);

// Objects on the clipboard: a design file holding only them, so that they
// can be pasted into another design (and into a text editor).
inline constexpr char kObjectsMimeType[] = "application/x-quill-design-objects";
QByteArray ObjectsToBytes(const std::vector<DesignObject>& objects);
std::vector<DesignObject> ObjectsFromBytes(const QByteArray& bytes);

// A new object of a type ("Text", "Barcode", ...) with a box of a sensible
// size at (x, y).
std::optional<DesignObject> NewObject(const std::string& type, Length x, Length y);
// The object a variable dropped at (x, y) makes: a Code 128 barcode for
// barcode variables, a DataMatrix for DataMatrix ones, a text otherwise.
DesignObject ObjectForVariable(const std::string& name, labelrender::VariableType type, Length x, Length y);

}  // namespace quill::designer
