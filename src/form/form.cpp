#include "form/form.h"

#include <stdexcept>

namespace form {
namespace {

int scaleValue(int value, int numerator, int denominator) {
    return static_cast<int>(static_cast<long long>(value) * numerator / denominator);
}

} // namespace

const char* kindName(Kind kind) {
    switch (kind) {
    case Kind::GroupBox:
        return "GroupBox";
    case Kind::Panel:
        return "Panel";
    case Kind::Label:
        return "Label";
    case Kind::Button:
        return "Button";
    case Kind::Edit:
        return "Edit";
    case Kind::Memo:
        return "Memo";
    case Kind::RichEdit:
        return "RichEdit";
    case Kind::ComboBox:
        return "ComboBox";
    case Kind::ProgressBar:
        return "ProgressBar";
    case Kind::TrackBar:
        return "TrackBar";
    case Kind::ScrollBar:
        return "ScrollBar";
    case Kind::RadioButton:
        return "RadioButton";
    case Kind::CheckBox:
        return "CheckBox";
    case Kind::MainMenu:
        return "MainMenu";
    case Kind::PopupMenu:
        return "PopupMenu";
    case Kind::MenuItem:
        return "MenuItem";
    case Kind::Timer:
        return "Timer";
    case Kind::Shape:
        return "Shape";
    case Kind::Image:
        return "Image";
    case Kind::Bevel:
        return "Bevel";
    case Kind::StringGrid:
        return "StringGrid";
    case Kind::Chart:
        return "Chart";
    case Kind::KeyMap:
        return "KeyMap";
    }
    return "Control";
}

Control::Control(Form& form, std::string name, Kind kind, Control* parent, Geometry design,
                 std::string caption)
    : form_(form), name_(std::move(name)), kind_(kind), parent_(parent), design_(design),
      caption_(std::move(caption)), geometry_(design) {
    if (kind == Kind::Edit || kind == Kind::Memo || kind == Kind::RichEdit ||
        kind == Kind::ComboBox || kind == Kind::StringGrid || kind == Kind::Chart) {
        color_ = colours::window;
    }
    form_.registerControl(*this);
}

bool Control::showing() const {
    for (const Control* c = this; c != nullptr; c = c->parent_) {
        if (!c->visible_) {
            return false;
        }
    }
    return true;
}

void Control::setFontName(std::string value) {
    FontSpec f = font_;
    f.name = std::move(value);
    setFont(std::move(f));
}

void Control::setFontSize(int value) {
    FontSpec f = font_;
    f.size = value;
    setFont(std::move(f));
}

void Control::setPenColor(Colour value) {
    ShapeStyle style = shape_;
    style.pen = value;
    setShape(style);
}

void Control::setFontStyle(int value) {
    FontSpec f = font_;
    f.style = value;
    setFont(std::move(f));
}

void Control::setLeft(int value) {
    Geometry g = geometry_;
    g.left = value;
    setGeometry(g);
}

void Control::setTop(int value) {
    Geometry g = geometry_;
    g.top = value;
    setGeometry(g);
}

void Control::setWidth(int value) {
    Geometry g = geometry_;
    g.width = value;
    setGeometry(g);
}

void Control::setHeight(int value) {
    Geometry g = geometry_;
    g.height = value;
    setGeometry(g);
}

Geometry Control::windowGeometry() const {
    Geometry g = geometry_;
    for (const Control* p = parent_; p != nullptr; p = p->parent_) {
        g.left += p->geometry_.left;
        g.top += p->geometry_.top;
    }
    return g;
}

void Control::bringToFront() {
    zOrder_ = form_.nextZOrder();
    touch();
}

void Control::setCell(int col, int row, std::string value) {
    if (col < 0 || row < 0) {
        return;
    }
    if (static_cast<std::size_t>(row) >= cells_.size()) {
        cells_.resize(static_cast<std::size_t>(row) + 1);
    }
    auto& line = cells_[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(col) >= line.size()) {
        line.resize(static_cast<std::size_t>(col) + 1);
    }
    assign(line[static_cast<std::size_t>(col)], std::move(value));
}

void Control::setColWidth(int col, int width) {
    if (col < 0) {
        return;
    }
    if (static_cast<std::size_t>(col) >= colWidths_.size()) {
        colWidths_.resize(static_cast<std::size_t>(col) + 1, 64);
    }
    assign(colWidths_[static_cast<std::size_t>(col)], width);
}

void Control::setRowHeight(int row, int height) {
    if (row < 0) {
        return;
    }
    if (static_cast<std::size_t>(row) >= rowHeights_.size()) {
        rowHeights_.resize(static_cast<std::size_t>(row) + 1, 24);
    }
    assign(rowHeights_[static_cast<std::size_t>(row)], height);
}

void Control::touch() {
    form_.markDirty(*this);
}

Form::Form(std::string name, std::string caption, int width, int height)
    : name_(std::move(name)), caption_(std::move(caption)), width_(width), height_(height) {}

void Form::setCaption(std::string value) {
    if (caption_ == value) {
        return;
    }
    caption_ = std::move(value);
    formDirty_ = true;
}

Control* Form::find(std::string_view name) const {
    const auto it = byName_.find(std::string(name));
    return it == byName_.end() ? nullptr : it->second;
}

std::vector<Control*> Form::childrenOf(const Control* parent) const {
    std::vector<Control*> result;
    for (Control* c : controls_) {
        if (c->parent() == parent) {
            result.push_back(c);
        }
    }
    return result;
}

void Form::scaleBy(int numerator, int denominator) {
    if (denominator <= 0 || numerator <= 0) {
        return;
    }
    scaleNumerator_ = numerator;
    scaleDenominator_ = denominator;
    width_ = scaleValue(width_, numerator, denominator);
    height_ = scaleValue(height_, numerator, denominator);
    formDirty_ = true;
    for (Control* c : controls_) {
        const Geometry g = c->geometry();
        c->setGeometry({scaleValue(g.left, numerator, denominator),
                        scaleValue(g.top, numerator, denominator),
                        scaleValue(g.width, numerator, denominator),
                        scaleValue(g.height, numerator, denominator)});
        c->setFontSize(scaleValue(c->font().size, numerator, denominator));
    }
}

int Form::scaled(int designValue) const {
    return scaleValue(designValue, scaleNumerator_, scaleDenominator_);
}

namespace {

constexpr std::uint8_t kEnter = 13;

// A focused control that does something with Enter itself.
bool nimmtEnter(const Control* focused) {
    if (focused == nullptr || !focused->showing() || !focused->enabled()) {
        return false;
    }
    return static_cast<bool>(focused->onKeyPress) ||
           (focused->kind() == Kind::Memo && !focused->readOnly());
}

} // namespace

void Form::dispatchKey(std::uint8_t key) {
    if (onKeyPress) {
        onKeyPress(key);
    }
    if (key == kEnter && !nimmtEnter(focused_) && defaultButton_ != nullptr &&
        defaultButton_->showing() && defaultButton_->enabled() && defaultButton_->onClick) {
        defaultButton_->onClick();
        return;
    }
    if (key != 0 && focused_ != nullptr && focused_->enabled() && focused_->onKeyPress) {
        focused_->onKeyPress(key);
    }
}

std::vector<Control*> Form::takeDirty() {
    std::vector<Control*> result;
    result.swap(dirty_);
    for (Control* c : result) {
        c->clearDirty();
    }
    formDirty_ = false;
    return result;
}

void Form::registerControl(Control& control) {
    if (!byName_.emplace(control.name(), &control).second) {
        throw std::logic_error("duplicate control name " + control.name());
    }
    controls_.push_back(&control);
    markDirty(control);
}

void Form::markDirty(Control& control) {
    if (control.isDirty()) {
        return;
    }
    control.dirty_ = true;
    dirty_.push_back(&control);
}

} // namespace form
