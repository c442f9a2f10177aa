#pragma once
// The rows of the own file dialog: four files at a time from the slider's value, and the
// keyboard's moves of the selection through the whole list.

namespace quillora {

struct FileRows {
    static constexpr int kRowCount = 4;

    int fileCount = 0;

    // The slider shows only when the files do not fit the four rows.
    bool sliderShown() const { return fileCount > kRowCount; }
    int sliderMaximum() const { return fileCount > 0 ? fileCount - 1 : 0; }
    // The file shown in `row` (0..3) at this slider value; -1 for an empty row.
    int fileInRow(int row, int sliderValue) const;
    // The row that shows file `selected`; -1 when it is scrolled out of sight or none.
    int rowOfFile(int selected, int sliderValue) const;

    struct Position {
        int selected = -1;
        int sliderValue = 0;
        bool operator==(const Position &) const = default;
    };
    // Ctrl+Shift+D: the next file, scrolling one step when it passes the fourth row.
    Position next(Position from) const;
    // Ctrl+Shift+U: the previous file, scrolling back when it passes the first row.
    Position previous(Position from) const;
};

} // namespace quillora
