#pragma once
// The few numbers some kinds ask for before their page is built (circle segments, table
// columns and rows, leaflet size), and the 2..12 rule of their add and remove buttons.

namespace quillora {

// A count the child sets with add and remove buttons, kept within 2..12.
class ChoiceCount {
public:
    static constexpr int kMinimum = 2;
    static constexpr int kMaximum = 12;

    explicit ChoiceCount(int start) : m_value(clamped(start)) {}

    int value() const { return m_value; }
    // The remove button shows above 2, the add button below 12.
    bool canRemove() const { return m_value > kMinimum; }
    bool canAdd() const { return m_value < kMaximum; }
    // Each changes the count by one within the limits; returns whether it changed.
    bool add();
    bool remove();

private:
    static int clamped(int value);
    int m_value;
};

// The values the choice dialog answers with on OK; the circle, table and leaflet set-ups each
// read their own.
struct ChoiceValues {
    static constexpr int kStartSegments = 4;
    static constexpr int kStartColumns = 6;
    static constexpr int kStartRows = 4;

    int circleSegments = kStartSegments;
    int tableColumns = kStartColumns;
    int tableRows = kStartRows;
    int leafletSize = 0; // 0 "Large" (style "6b"), 1 "Small" (style "6s")
};

} // namespace quillora
