#pragma once

#include <QWidget>

#include <functional>

namespace paysmith {

class ClickablePicture;
class TRichLabel;

// A notebook page that advertises one of the maker's other products, with
// the product's picture, which the window opens through its own link label.
// Its texts and picture are made when it is first shown, so that the program
// starts without them.
class PromoPage : public QWidget {
    Q_OBJECT
  public:
    // Made when the page is first shown or built.
    ClickablePicture* picture() const { return m_picture; }
    void build();
    // What a click on the picture opens, referral suffix and marker included.
    QString pictureAddress() const { return m_pictureAddress; }

    // The first product's page, `Page2`, and the second's, `Page4`; their
    // links carry `referralSuffix`.
    static PromoPage* createFirst(const QString& referralSuffix);
    static PromoPage* createSecond(const QString& referralSuffix);

  signals:
    void pictureClicked();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    PromoPage(const char* name, const char* panelName);
    TRichLabel* addLabel(const char* name, QRect geometry, const QString& markup);
    ClickablePicture* addPicture(const char* name, QPoint at, const QString& file,
                                 const QString& productName);

    QWidget* m_panel = nullptr;
    ClickablePicture* m_picture = nullptr;
    QString m_pictureAddress;
    std::function<void()> m_build;
};

} // namespace paysmith
