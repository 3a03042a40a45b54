#pragma once

#include "form/chart.h"
#include "form/colour.h"
#include "form/geometry.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace form {

enum class Kind {
    GroupBox,
    Panel,
    Label,
    Button,
    Edit,
    Memo,
    RichEdit,
    ComboBox,
    ProgressBar,
    TrackBar,
    ScrollBar,
    RadioButton,
    CheckBox,
    MainMenu,
    PopupMenu,
    MenuItem,
    Timer,
    Shape,
    Image,
    Bevel,
    StringGrid,
    Chart,
    KeyMap,
};

const char* kindName(Kind kind);

// Style bits as the user file stores them: 1 bold, 2 italic.
struct FontSpec {
    std::string name = "Segoe UI";
    int size = 8;
    int style = 0;
    bool operator==(const FontSpec&) const = default;
};

enum class BevelStyle { Raised, Lowered };

// How a Shape is drawn: its outline (pen) and whether it is filled with the
// control's colour or left hollow.
struct ShapeStyle {
    bool circle = false;
    Colour pen = 0x000000;
    int penWidth = 1;
    bool filled = true;
    bool operator==(const ShapeStyle&) const = default;
};

// A piece of formatted text of a rich-text box. '\n' inside is a line break,
// '\t' a tab; a size of 0 and no colour mean the box's own.
struct TextRun {
    std::string text;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double pointSize = 0;
    std::optional<Colour> colour;
    bool operator==(const TextRun&) const = default;
};
using RichParagraph = std::vector<TextRun>;

class Form;

// One named control of a window. Every setter that changes a value marks the
// control dirty, so the binder only copies what changed onto the widgets.
class Control {
public:
    Control(Form& form, std::string name, Kind kind, Control* parent, Geometry design,
            std::string caption = {});
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return form_; }
    const std::string& name() const { return name_; }
    Kind kind() const { return kind_; }
    Control* parent() const { return parent_; }
    const Geometry& designGeometry() const { return design_; }
    bool isDirty() const { return dirty_; }
    void clearDirty() { dirty_ = false; }
    // Visible itself and through every parent.
    bool showing() const;

    const std::string& caption() const { return caption_; }
    void setCaption(std::string value) { assign(caption_, std::move(value)); }
    const std::string& text() const { return text_; }
    void setText(std::string value) { assign(text_, std::move(value)); }
    const std::string& hint() const { return hint_; }
    void setHint(std::string value) { assign(hint_, std::move(value)); }
    bool visible() const { return visible_; }
    void setVisible(bool value) { assign(visible_, value); }
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const { return enabled_; }
    void setEnabled(bool value) { assign(enabled_, value); }
    Colour color() const { return color_; }
    void setColor(Colour value) { assign(color_, value); }
    Colour fontColor() const { return fontColor_; }
    void setFontColor(Colour value) { assign(fontColor_, value); }
    const FontSpec& font() const { return font_; }
    void setFont(FontSpec value) { assign(font_, std::move(value)); }
    void setFontName(std::string value);
    void setFontSize(int value);
    void setFontStyle(int value);

    const Geometry& geometry() const { return geometry_; }
    void setGeometry(Geometry value) { assign(geometry_, value); }
    void setLeft(int value);
    void setTop(int value);
    void setWidth(int value);
    void setHeight(int value);
    // The geometry in the window's client area: the parents' offsets added.
    Geometry windowGeometry() const;
    // Raises the control above its siblings; the binder compares the counter.
    void bringToFront();
    std::uint64_t zOrder() const { return zOrder_; }

    int position() const { return position_; }
    void setPosition(int value) { assign(position_, value); }
    int min() const { return min_; }
    void setMin(int value) { assign(min_, value); }
    int max() const { return max_; }
    void setMax(int value) { assign(max_, value); }
    bool checked() const { return checked_; }
    void setChecked(bool value) { assign(checked_, value); }
    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int value) { assign(itemIndex_, value); }
    const std::vector<std::string>& items() const { return items_; }
    void setItems(std::vector<std::string> value) { assign(items_, std::move(value)); }
    const std::vector<RichParagraph>& richText() const { return richText_; }
    void setRichText(std::vector<RichParagraph> value) { assign(richText_, std::move(value)); }
    const std::vector<std::string>& lines() const { return lines_; }
    void setLines(std::vector<std::string> value) { assign(lines_, std::move(value)); }
    int selStart() const { return selStart_; }
    void setSelStart(int value) { assign(selStart_, value); }
    int selLength() const { return selLength_; }
    void setSelLength(int value) { assign(selLength_, value); }
    // An edit line's first characters shown as done, as the typed part of a line.
    int doneLength() const { return doneLength_; }
    void setDoneLength(int value) { assign(doneLength_, value); }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool value) { assign(readOnly_, value); }
    int maxLength() const { return maxLength_; }
    void setMaxLength(int value) { assign(maxLength_, value); }
    // An edit line that shows this character for each typed one (0: the text).
    char passwordChar() const { return passwordChar_; }
    void setPasswordChar(char value) { assign(passwordChar_, value); }
    const std::vector<std::vector<std::string>>& cells() const { return cells_; }
    void setCells(std::vector<std::vector<std::string>> value) { assign(cells_, std::move(value)); }
    void setCell(int col, int row, std::string value);
    const std::vector<int>& colWidths() const { return colWidths_; }
    void setColWidth(int col, int width);
    const std::vector<int>& rowHeights() const { return rowHeights_; }
    // A grid's first columns that look like titles, as its first row does.
    int fixedCols() const { return fixedCols_; }
    void setFixedCols(int value) { assign(fixedCols_, value); }
    void setRowHeight(int row, int height);
    BevelStyle bevel() const { return bevel_; }
    void setBevel(BevelStyle value) { assign(bevel_, value); }
    const ShapeStyle& shape() const { return shape_; }
    void setShape(ShapeStyle value) { assign(shape_, value); }
    void setPenColor(Colour value);
    int interval() const { return interval_; }
    void setInterval(int value) { assign(interval_, value); }
    // A label as wide as its caption (true) or of its own width, its caption
    // shrunk to fit there (false).
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool value) { assign(autoSize_, value); }
    bool showHint() const { return showHint_; }
    void setShowHint(bool value) { assign(showHint_, value); }
    const Chart& chart() const { return chart_; }
    void setChart(Chart value) { assign(chart_, std::move(value)); }
    const std::vector<KeyCell>& keyCells() const { return keyCells_; }
    void setKeyCells(std::vector<KeyCell> value) { assign(keyCells_, std::move(value)); }

    // The context menu shown on a right click, if any.
    Control* popupMenu = nullptr;

    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void()> onChange;
    std::function<void()> onTimer;
    std::function<void(std::uint8_t& key)> onKeyPress;
    std::function<void(int col, int row)> onMouseUp;

private:
    friend class Form;
    template <class T, class U> void assign(T& field, U&& value) {
        if (field == value) {
            return;
        }
        field = std::forward<U>(value);
        touch();
    }
    void touch();

    Form& form_;
    std::string name_;
    Kind kind_;
    Control* parent_;
    Geometry design_;
    bool dirty_ = false;

    std::string caption_;
    std::string text_;
    std::string hint_;
    bool visible_ = true;
    bool enabled_ = true;
    Colour color_ = colours::buttonFace;
    Colour fontColor_ = colours::black;
    FontSpec font_;
    Geometry geometry_;
    std::uint64_t zOrder_ = 0;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
    bool checked_ = false;
    int itemIndex_ = -1;
    std::vector<std::string> items_;
    std::vector<std::string> lines_;
    std::vector<RichParagraph> richText_;
    int selStart_ = 0;
    int selLength_ = 0;
    int doneLength_ = 0;
    bool readOnly_ = false;
    int maxLength_ = 0;
    char passwordChar_ = 0;
    std::vector<std::vector<std::string>> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
    int fixedCols_ = 1;
    BevelStyle bevel_ = BevelStyle::Raised;
    ShapeStyle shape_;
    int interval_ = 0;
    bool showHint_ = true;
    bool autoSize_ = true;
    Chart chart_;
    std::vector<KeyCell> keyCells_;
};

} // namespace form
