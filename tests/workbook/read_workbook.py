"""Prints a workbook as openpyxl reads it: "sheet NAME", then "KEY<tab>VALUE" lines of the sheet:
rtl, freeze, "width COLUMN", "style CELL" (bold, wrap, border) and each cell as "TYPE VALUE"."""
import sys

import openpyxl

for sheet in openpyxl.load_workbook(sys.argv[1]).worksheets:
    print(f"sheet\t{sheet.title}")
    print(f"rtl\t{sheet.sheet_view.rightToLeft}\nfreeze\t{sheet.freeze_panes}")
    for letter, dim in sheet.column_dimensions.items():
        if dim.customWidth:
            print(f"width {letter}\t{dim.width!r}")
    for cell in (c for row in sheet.iter_rows() for c in row if c.value is not None):
        value = repr(cell.value) if cell.data_type == "n" else cell.value
        print(f"{cell.coordinate}\t{cell.data_type} {value}".replace("\n", " "))
        style = [cell.font.b, cell.alignment.wrap_text, cell.border.top.style is not None]
        print(f"style {cell.coordinate}\t" + " ".join(str(bool(s)) for s in style))
