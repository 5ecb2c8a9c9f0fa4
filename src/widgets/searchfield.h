#pragma once

#include <QLineEdit>
#include <QWidget>

namespace Vello {

class ArcSpinner;

// The rounded search field: a glyph, a frameless text field and a spinner that runs while a
// typed search waits to be applied.
class SearchField final : public QWidget {
    Q_OBJECT

public:
    explicit SearchField(QWidget* parent = nullptr);

    [[nodiscard]] QLineEdit* textField() const { return m_textField; }
    // true shows and starts the spinner; false stops and hides it.
    void setLoading(bool loading);
    [[nodiscard]] const ArcSpinner* spinner() const { return m_spinner; }

    [[nodiscard]] QSize sizeHint() const override;

    static constexpr int fixedHeight = 38;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QLineEdit* m_textField;
    ArcSpinner* m_spinner;
};

} // namespace Vello
