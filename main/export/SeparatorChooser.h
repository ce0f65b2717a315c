#pragma once

#include <memory>

#include <QWidget>

namespace Ui {
class CSeparatorChooser;
}

// The column separators an export offers, as five radio buttons — Tab, Semicolon, Comma,
// Space and "Other :" with a one-character field — used by the "Separator" dialog and by
// the export page of the options. Typing in the field chooses Other.
class CSeparatorChooser : public QWidget {
    Q_OBJECT
public:
    enum Choice { Tab = 0, Semicolon = 1, Comma = 2, Space = 3, Other = 4 };

    explicit CSeparatorChooser(QWidget* pParent = nullptr);
    ~CSeparatorChooser() override;

    // Shows a separator: the button of a tab, ';', ',' or ' ', else Other with the
    // character in its field.
    void SetSeparator(char cSeparator);
    // The chosen separator; false when Other is chosen with an empty field.
    bool GetSeparator(char& cSeparator) const;

    Choice GetChoice() const;
    // Gives the keyboard to the "Other :" field with its text selected.
    void FocusOther();

    // The choice that shows a separator character.
    static Choice ChoiceOf(char cSeparator);

private:
    void OnOtherEdited();

    std::unique_ptr<Ui::CSeparatorChooser> m_pUi;
};
