#pragma once

#include <QDialog>

namespace paysmith {

class TRichLabel;

// The notice that the results carry no warranty.
class TfrmDisclaim : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmDisclaim(QWidget* parent = nullptr);
    ~TfrmDisclaim() override;

    // The open dialog; null when none is.
    static TfrmDisclaim* instance();
    TRichLabel* text() const { return m_text; }
    void btnCloseClick();

  private:
    TRichLabel* m_text = nullptr;
};

// Opens the Disclaimer modally over `owner`, centred on the screen; it is
// destroyed once its modal loop has ended.
void ShowDisclaimer(QWidget* owner);

// The Disclaimer's paragraph, in the rich-text labels' mark-up.
QString disclaimerMarkup();

} // namespace paysmith
