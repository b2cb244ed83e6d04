"""Dumps a workbook as openpyxl reads it, one fact a line, fields apart by tabs:

sheet NAME / rtl True|False / freeze REF|None / width COLUMN WIDTH /
cell REF TYPE BOLD WRAP BORDER VALUE

Tabs, line ends and backslashes inside a text are written as \\t, \\n and \\\\.
"""
import sys

import openpyxl
from openpyxl.utils import column_index_from_string


def escaped(value):
    text = repr(value) if isinstance(value, float) else str(value)
    return text.replace("\\", "\\\\").replace("\t", "\\t").replace("\n", "\\n")


def main(path):
    book = openpyxl.load_workbook(path)
    out = []
    for sheet in book.worksheets:
        out.append(f"sheet\t{escaped(sheet.title)}")
        out.append(f"rtl\t{bool(sheet.sheet_view.rightToLeft)}")
        out.append(f"freeze\t{sheet.freeze_panes}")
        for key, dim in sorted(sheet.column_dimensions.items()):
            if dim.customWidth and dim.width:
                for col in range(dim.min or column_index_from_string(key),
                                 (dim.max or column_index_from_string(key)) + 1):
                    out.append(f"width\t{col}\t{dim.width!r}")
        for row in sheet.iter_rows():
            for cell in row:
                if cell.value is None:
                    continue
                border = int(cell.border.top.style is not None)
                out.append("\t".join(["cell", cell.coordinate, cell.data_type,
                                      str(int(bool(cell.font.b))),
                                      str(int(bool(cell.alignment.wrap_text))),
                                      str(border), escaped(cell.value)]))
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main(sys.argv[1])
