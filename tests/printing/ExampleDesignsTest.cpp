// The sample designs shipped in examples/designs must stay printable: each
// one loads, uses only variables its mode defines, and prints a label with
// the design-time sample contents.
#include <gtest/gtest.h>

#include <filesystem>

#include "printing/DesignLayout.h"
#include "printing/PrintJob.h"
#include "printing/PrintWorld.h"

namespace quill {
namespace {

namespace fs = std::filesystem;

class ExampleDesignsTest : public test::PrintWorldTest {};

TEST_F(ExampleDesignsTest, EveryDesignPrintsWithItsModesVariables) {
    int designs = 0;
    for (TMode mode : AllModes) {
        const fs::path folder = fs::path(QUILL_SOURCE_DIR) / "examples/designs" / ModeInfo(mode).FolderName;
        if (IsDirectMode(mode) || !fs::is_directory(folder)) continue;
        for (const auto& entry : fs::directory_iterator(folder)) {
            if (entry.path().extension() != ".lbl") continue;
            ++designs;
            const std::string name = entry.path().stem().string();
            SCOPED_TRACE(entry.path().string());
            EXPECT_TRUE(fs::exists(fs::path(entry.path()).replace_extension(".lbp")));
            fs::copy_file(entry.path(), designFolder() + name + ".lbl", fs::copy_options::overwrite_existing);
            world.writeFile("designs/" + name + ".lbp", "[Printer]\nFormatVersion=1\nName=PDF\n");

            const auto layout = ReadLabelDefinition(designFolder() + name + ".lbl");
            ASSERT_TRUE(layout);
            TLabelRecord record = makeRecord(mode, name, layout->LabelsPerPage());
            record.ClearFields();
            labelrender::LabelJob job;
            std::string errorText;
            EXPECT_TRUE(PrintLabel(job, std::span(&record, 1), quill::Mode(mode).Fields, false, errorText))
                << errorText << " " << job.LastErrorMessage();
        }
    }
    EXPECT_EQ(pdfFiles().size(), static_cast<std::size_t>(designs));
    EXPECT_GE(designs, 6);
}

}  // namespace
}  // namespace quill
