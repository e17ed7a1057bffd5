#pragma once

#include "compare/core/comparison.h"

#include <QWidget>

namespace paysmith {

class CompareEntries;
class ComparisonView;
class OffersModel;
class TIntlSupport;
struct FiguresDocument;

// The Compare page: both loans as offers, with their fees and points, the
// rate that counts them (APR or APRC), what each costs if kept for some years
// and which costs less then and whenever that changes for good. It reads the
// offers from the model and puts what the user enters there. Like the
// Schedule page it stays empty until first shown.
class ComparePage : public QWidget {
    Q_OBJECT
  public:
    // `format` and `offers` must outlive the page. `regionMethod` is the
    // method shown until the user chooses one.
    ComparePage(const TIntlSupport& format, OffersModel& offers, AprMethod regionMethod,
                QWidget* parent = nullptr);
    ~ComparePage() override;

    // The offers have changed.
    void followOffers();
    // The model's inputs came from elsewhere: the entries show them.
    void showNewInputs();

    bool isBuilt() const { return m_view != nullptr; }
    AprMethod shownMethod() const;

    // Through a dialog, the page need not have been shown.
    void exportComparison();
    void printPage();
    void savePdf();
    FiguresDocument document();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void build();
    void makeCurrent();
    void publish(const ComparisonInputs& inputs);
    void refresh();
    // Refreshed while in front: what changed is told.
    void refreshAloud();
    void showExtrasNote();

    const TIntlSupport& m_format;
    OffersModel& m_offers;
    AprMethod m_regionMethod;
    bool m_stale = true;

    CompareEntries* m_entries = nullptr;
    ComparisonView* m_view = nullptr;
};

} // namespace paysmith
