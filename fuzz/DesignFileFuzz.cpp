// libFuzzer target: the design-file reader on arbitrary bytes. Design files
// are written by hand and copied between sites, so the reader must return,
// never crash, and keep the promises of its header; a broken promise aborts.
//
// Promises checked for every design the reader accepts: it keeps within the
// limits a design must keep, and writing it out and reading that back gives
// the same file again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "labelrender/Contents.h"
#include "labelrender/Design.h"
#include "labelrender/LabelJob.h"

namespace {

using namespace quill::labelrender;

void Expect(bool promise) {
    if (!promise) std::abort();
}

void CheckGeometry(const PageGeometry& g) {
    Expect(g.rows >= 1 && g.rows <= kMaxRowsOrColumns && g.cols >= 1 && g.cols <= kMaxRowsOrColumns);
    Expect(g.labelWidth >= kMinLabelSide && g.labelHeight >= kMinLabelSide);
    Expect(g.PageWidth() <= kMaxPageSide && g.PageHeight() <= kMaxPageSide);
    const int last = g.LabelsPerPage() - 1;
    Expect(g.LabelX(last) + g.labelWidth <= g.PageWidth() + Length::um(1));
    Expect(g.LabelY(last) + g.labelHeight <= g.PageHeight() + Length::um(1));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    // the contents syntax on its own: what parses writes back to itself
    if (const auto parsed = ContentTemplate::Parse(bytes)) {
        const auto again = ContentTemplate::Parse(parsed->Source());
        Expect(again && again->Source() == parsed->Source());
        for (const std::string& name : parsed->VariableNames()) Expect(IsValidVariableName(name));
    }

    Design design;
    const Status status = Design::Parse(bytes, design);
    if (!status.ok()) {
        Expect(status.code == LL_ERR_BAD_DESIGN || status.code == LL_ERR_BAD_OBJECTTYPE ||
               status.code == LL_ERR_EXPRESSION);
        Expect(!status.message.empty());
        return 0;
    }
    CheckGeometry(design.geometry);
    for (const DesignObject& object : design.objects) Expect(object.rotation % 90 == 0 && object.rotation <= 270);
    for (const std::string& name : design.VariableNames()) Expect(IsValidVariableName(name));

    const std::string written = design.ToBytes();
    Design reread;
    Expect(Design::Parse(written, reread).ok());
    Expect(reread.ToBytes() == written);
    Expect(reread.objects.size() == design.objects.size());
    return 0;
}
