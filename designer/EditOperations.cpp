#include "designer/EditOperations.h"

#include <algorithm>
#include <numeric>

namespace quill::designer {

using namespace labelrender;

Box BoxOf(const DesignObject& o) {
    return {std::min(o.x, o.x + o.width), std::min(o.y, o.y + o.height), std::max(o.x, o.x + o.width),
            std::max(o.y, o.y + o.height)};
}

Box Bounds(const std::vector<DesignObject>& objects) {
    Box all = BoxOf(objects.front());
    for (const DesignObject& o : objects) {
        const Box b = BoxOf(o);
        all = {std::min(all.left, b.left), std::min(all.top, b.top), std::max(all.right, b.right),
               std::max(all.bottom, b.bottom)};
    }
    return all;
}

namespace {
Length Half(Length l) { return Length::um(l.um() / 2); }
}  // namespace

std::vector<DesignObject> Moved(std::vector<DesignObject> objects, Length dx, Length dy) {
    for (DesignObject& o : objects) {
        o.x = o.x + dx;
        o.y = o.y + dy;
    }
    return objects;
}

std::vector<DesignObject> Align(std::vector<DesignObject> objects, Alignment alignment, Length labelWidth,
                                Length labelHeight) {
    if (objects.empty()) return objects;
    const Box target = objects.size() == 1 ? Box{Length(), Length(), labelWidth, labelHeight} : Bounds(objects);
    for (DesignObject& o : objects) {
        const Box b = BoxOf(o);
        Length dx, dy;
        switch (alignment) {
            case Alignment::Left: dx = target.left - b.left; break;
            case Alignment::Right: dx = target.right - b.right; break;
            case Alignment::HCentre: dx = Half(target.left + target.right) - Half(b.left + b.right); break;
            case Alignment::Top: dy = target.top - b.top; break;
            case Alignment::Bottom: dy = target.bottom - b.bottom; break;
            case Alignment::VCentre: dy = Half(target.top + target.bottom) - Half(b.top + b.bottom); break;
        }
        o.x = o.x + dx;
        o.y = o.y + dy;
    }
    return objects;
}

std::vector<DesignObject> Distribute(std::vector<DesignObject> objects, bool horizontally) {
    if (objects.size() < 3) return objects;
    std::vector<std::size_t> order(objects.size());
    std::iota(order.begin(), order.end(), 0);
    const auto start = [&](std::size_t i) { return horizontally ? BoxOf(objects[i]).left : BoxOf(objects[i]).top; };
    const auto extent = [&](std::size_t i) {
        const Box b = BoxOf(objects[i]);
        return horizontally ? b.right - b.left : b.bottom - b.top;
    };
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return start(a) < start(b); });
    const Box all = Bounds(objects);
    std::int64_t used = 0;
    for (std::size_t i : order) used += extent(i).um();
    const std::int64_t span = horizontally ? (all.right - all.left).um() : (all.bottom - all.top).um();
    const std::int64_t gaps = static_cast<std::int64_t>(objects.size()) - 1;
    std::int64_t at = horizontally ? all.left.um() : all.top.um();
    for (std::size_t n = 0; n < order.size(); ++n) {
        DesignObject& o = objects[order[n]];
        // spread the remainder so the last object stays exactly in place
        const std::int64_t gapBefore = n == 0 ? 0 : (span - used) * static_cast<std::int64_t>(n) / gaps -
                                                        (span - used) * static_cast<std::int64_t>(n - 1) / gaps;
        at += gapBefore;
        const Length delta = Length::um(at) - start(order[n]);
        (horizontally ? o.x : o.y) = (horizontally ? o.x : o.y) + delta;
        at += extent(order[n]).um();
    }
    return objects;
}

std::vector<DesignObject> CentreOnLabel(std::vector<DesignObject> objects, bool horizontally, Length labelWidth,
                                        Length labelHeight) {
    if (objects.empty()) return objects;
    const Box b = Bounds(objects);
    if (horizontally) return Moved(std::move(objects), Half(labelWidth) - Half(b.left + b.right), Length());
    return Moved(std::move(objects), Length(), Half(labelHeight) - Half(b.top + b.bottom));
}

std::vector<DesignObject> Rotated(std::vector<DesignObject> objects) {
    for (DesignObject& o : objects) {
        o.rotation = (o.rotation + 90) % 360;
        if (std::holds_alternative<LineObject>(o.kind)) {
            // a line turns about its middle: (w, h) becomes (-h, w)
            const Length cx = o.x + Half(o.width), cy = o.y + Half(o.height);
            const Length w = -o.height, h = o.width;
            o.rotation = 0;
            o.width = w;
            o.height = h;
            o.x = cx - Half(w);
            o.y = cy - Half(h);
            continue;
        }
        const Length cx = o.x + Half(o.width), cy = o.y + Half(o.height);
        std::swap(o.width, o.height);
        o.x = cx - Half(o.width);
        o.y = cy - Half(o.height);
    }
    return objects;
}

std::vector<int> ZOrder(int objectCount, const std::vector<int>& selected, ZMove move) {
    std::vector<int> order(objectCount);
    std::iota(order.begin(), order.end(), 0);
    std::vector<bool> isSelected(objectCount, false);
    for (int i : selected) isSelected[i] = true;
    switch (move) {
        case ZMove::ToFront:
            std::stable_partition(order.begin(), order.end(), [&](int i) { return !isSelected[i]; });
            break;
        case ZMove::ToBack:
            std::stable_partition(order.begin(), order.end(), [&](int i) { return isSelected[i]; });
            break;
        case ZMove::Forward:
            for (int p = objectCount - 2; p >= 0; --p)
                if (isSelected[order[p]] && !isSelected[order[p + 1]]) std::swap(order[p], order[p + 1]);
            break;
        case ZMove::Backward:
            for (int p = 1; p < objectCount; ++p)
                if (isSelected[order[p]] && !isSelected[order[p - 1]]) std::swap(order[p], order[p - 1]);
            break;
    }
    return order;
}

QByteArray ObjectsToBytes(const std::vector<DesignObject>& objects) {
    Design holder;
    holder.objects = objects;
    return QByteArray::fromStdString(holder.ToBytes());
}

std::vector<DesignObject> ObjectsFromBytes(const QByteArray& bytes) {
    Design holder;
    std::vector<std::string> problems;
    Design::Parse(bytes.toStdString(), holder, {.acceptNewerVersion = true, .problems = &problems});
    return holder.objects;
}

std::optional<DesignObject> NewObject(const std::string& type, Length x, Length y) {
    DesignObject o;
    o.x = x;
    o.y = y;
    o.width = Length::mm(30);
    o.height = Length::mm(6);
    if (type == "Text") {
        TextObject text;
        text.contents = *ContentTemplate::Parse("Text");
        o.kind = text;
    } else if (type == "Barcode") {
        BarcodeObject barcode;
        barcode.symbology = Symbology::Code128;
        barcode.contents = *ContentTemplate::Parse("12345678");
        o.height = Length::mm(10);
        o.kind = barcode;
    } else if (type == "DataMatrix" || type == "QRCode") {
        o.width = o.height = Length::mm(12);
        if (type == "DataMatrix") {
            DataMatrixObject matrix;
            matrix.contents = *ContentTemplate::Parse("12345678");
            o.kind = matrix;
        } else {
            QrCodeObject qr;
            qr.contents = *ContentTemplate::Parse("12345678");
            o.kind = qr;
        }
    } else if (type == "Image") {
        o.width = o.height = Length::mm(15);
        o.kind = ImageObject{};
    } else if (type == "Line") {
        o.height = Length();
        o.kind = LineObject{};
    } else if (type == "Rectangle") {
        o.height = Length::mm(15);
        o.kind = RectangleObject{};
    } else if (type == "Ellipse") {
        o.height = Length::mm(15);
        o.kind = EllipseObject{};
    } else {
        return std::nullopt;
    }
    return o;
}

DesignObject ObjectForVariable(const std::string& name, VariableType type, Length x, Length y) {
    const ContentTemplate contents = *ContentTemplate::Parse("{" + name + "}");
    DesignObject o;
    o.x = x;
    o.y = y;
    if (type == VariableType::Barcode) {
        BarcodeObject barcode;
        // Code 128 carries every ID code (letters too), which Interleaved 2 of 5 does not
        barcode.symbology = Symbology::Code128;
        barcode.contents = contents;
        o.width = Length::mm(40);
        o.height = Length::mm(10);
        o.kind = barcode;
    } else if (type == VariableType::DataMatrix) {
        DataMatrixObject matrix;
        matrix.contents = contents;
        o.width = o.height = Length::mm(12);
        o.kind = matrix;
    } else {
        TextObject text;
        text.contents = contents;
        text.shrinkToFit = true;
        o.width = Length::mm(35);
        o.height = Length::mm(5);
        o.kind = text;
    }
    return o;
}

}  // namespace quill::designer
