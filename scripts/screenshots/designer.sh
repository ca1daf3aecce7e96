# The label designer on the sample garment label (at 1366 x 768 and at
# 1920 x 1080) and a broken design with its print-check problems marked,
# as the tests that drive the window leave them.
QUILL_SCREENSHOTS=$shots "$build/tests/designer_tests" --gtest_filter='DesignerFiles.Garment*:DesignerFiles.Broken*' \
  >"$work/designer.out" 2>&1 || { cat "$work/designer.out" >&2; exit 1; }
for shot in designer-garment designer-garment-1920 designer-warning; do echo "screenshots: $shots/$shot.png"; done
