#pragma once

// A screen with pages (a page control or, for the personal-management screen, a tab strip) implements
// this so that menu entries and launch-screen buttons can choose the page it shows:
//
//   class TfFee0010 : public QWidget, public IScreenPages {
//       int currentPage() const override { return PageControl1->currentIndex(); }
//       void selectPage(int index, bool runChange) override {
//           QSignalBlocker b(PageControl1);          // choosing a page from outside runs nothing by itself
//           PageControl1->setCurrentIndex(index);
//           if (runChange) PageControl1Change();      // the screen's own page-change handling
//       }
//   };
//
// The opener decides whether the change handling runs (the "+ change" of the menu tables).
class IScreenPages {
public:
    virtual ~IScreenPages() = default;
    virtual int currentPage() const = 0;
    virtual void selectPage(int index, bool runChange) = 0;
};
