#pragma once

#include <QWidget>

namespace paysmith {

class ClickablePicture;
class TRichLabel;

// A notebook page that advertises one of the maker's other products, with
// the product's picture, which the window opens through its own link label.
class PromoPage : public QWidget {
    Q_OBJECT
  public:
    ClickablePicture* picture() const { return m_picture; }
    // What a click on the picture opens, referral suffix and marker included.
    QString pictureAddress() const { return m_pictureAddress; }

    // The first product's page, `Page2`, and the second's, `Page4`; their
    // links carry `referralSuffix`.
    static PromoPage* createFirst(const QString& referralSuffix);
    static PromoPage* createSecond(const QString& referralSuffix);

  private:
    PromoPage(const char* name, const char* panelName);
    TRichLabel* addLabel(const char* name, QRect geometry, const QString& markup);
    ClickablePicture* addPicture(const char* name, QPoint at, const QString& file,
                                 const QString& productName);

    QWidget* m_panel = nullptr;
    ClickablePicture* m_picture = nullptr;
    QString m_pictureAddress;
};

} // namespace paysmith
