// One QPrinter for the run, so the page setup chosen sticks. It works at 72
// dots per inch: the model's page units are points, and so are the surface's.
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "painter_graphics.h"
#include "tavrel/platform/qt/qt_services.h"

namespace tavrel::platform::qt {
namespace {

void applySetup(QPrinter& printer, const PageSetup& s) {
    const QMarginsF margins(s.printableLeft, s.printableTop,
                            s.pageWidth - s.printableLeft - s.printableWidth,
                            s.pageHeight - s.printableTop - s.printableHeight);
    QPageLayout layout(QPageSize(QSizeF(s.pageWidth, s.pageHeight), QPageSize::Point),
                       QPageLayout::Portrait, margins, QPageLayout::Point);
    layout.setMode(QPageLayout::FullPageMode);
    layout.setMargins(margins);
    printer.setPageLayout(layout);
}

PageSetup readSetup(const QPrinter& printer) {
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRectPoints();
    const QRectF paint = layout.paintRectPoints();
    return PageSetup{qRound(full.width()), qRound(full.height()), qRound(paint.left()),
                     qRound(paint.top()),  qRound(paint.width()), qRound(paint.height())};
}

struct PainterOwner {
    explicit PainterOwner(QPrinter& printer) : painter(&printer) {}
    QPainter painter;
};

// Pages of one job; the job ends when the surface goes.
class PrintSurface : private PainterOwner, public PainterGraphics {
  public:
    PrintSurface(QPrinter& printer, const PageSetup& setup)
        : PainterOwner(printer),
          PainterGraphics(PainterOwner::painter, setup.printableWidth, setup.printableHeight,
                          nullptr),
          printer_(printer) {}
    ~PrintSurface() override { PainterOwner::painter.end(); }
    void nextPage() override { printer_.newPage(); }

  private:
    QPrinter& printer_;
};

}  // namespace

QtPrinting::QtPrinting() = default;

// Made on first use: the print system's set-up costs start-up time and memory.
QPrinter& QtPrinting::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::ScreenResolution);
        printer_->setResolution(72);
    }
    return *printer_;
}

QtPrinting::~QtPrinting() = default;

bool QtPrinting::pageSetupDialog(PageSetup& setup) {
    applySetup(printer(), setup);
    QPageSetupDialog dialog(&printer());
    if (dialog.exec() != QDialog::Accepted) return false;
    setup = readSetup(printer());
    return true;
}

std::unique_ptr<Graphics> QtPrinting::printDialog(const PageSetup& setup) {
    applySetup(printer(), setup);
    if (toFile_) {
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setOutputFileName(QString::fromStdString(toFile_->string()));
    } else {
        QPrintDialog dialog(&printer());
        if (dialog.exec() != QDialog::Accepted) return nullptr;
    }
    auto surface = std::make_unique<PrintSurface>(printer(), setup);
    return surface;
}

}  // namespace tavrel::platform::qt
