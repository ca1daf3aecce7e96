# The label designer's variables pane, stock catalogue, page settings and
# printer chooser, as the tests that drive them leave them (offscreen, in
# the desktop's palette; the printers are those of the tests' scheduler).
QUILL_SCREENSHOTS=$shots "$build/tests/designer_tests" --gtest_filter='DesignVariables.PaneLists*:StockCatalogueTest.Choosing*:PrinterChooserTest.Lists*' \
  >"$work/designer-panels.out" 2>&1 || { cat "$work/designer-panels.out" >&2; exit 1; }
for shot in designer-variables designer-stocks designer-page-settings designer-printer; do echo "screenshots: $shots/$shot.png"; done
