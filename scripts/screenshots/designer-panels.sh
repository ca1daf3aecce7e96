# The label designer's variables pane and stock catalogue, as the tests
# that drive them leave them (offscreen, in the desktop's palette).
QUILL_SCREENSHOTS=$shots "$build/tests/designer_tests" --gtest_filter='DesignVariables.PaneLists*:StockCatalogueTest.Choosing*' \
  >"$work/designer-panels.out" 2>&1 || { cat "$work/designer-panels.out" >&2; exit 1; }
for shot in designer-variables designer-stocks; do echo "screenshots: $shots/$shot.png"; done
