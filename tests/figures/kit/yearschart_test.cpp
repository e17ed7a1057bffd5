#include "figures/kit/yearschart.h"

#include <QPaintEngine>
#include <QPainter>
#include <QtTest>

namespace paysmith {

namespace {

struct DrawnText {
    QString text;
    QRectF box;
};

// A paint device that keeps each text drawn on it with the box it takes, so
// that a test reads what a drawing says and where.
class TextRecorder : public QPaintDevice {
  public:
    explicit TextRecorder(QSize size) : m_size(size) {}
    const std::vector<DrawnText>& texts() const { return m_engine.texts; }
    QPaintEngine* paintEngine() const override { return &m_engine; }

  protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return static_cast<int>(devicePixelRatioFScale());
        default:
            return QPaintDevice::metric(metric);
        }
    }

  private:
    struct Engine : QPaintEngine {
        Engine() : QPaintEngine(AllFeatures) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState&) override {}
        void drawPath(const QPainterPath&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            texts.push_back({item.text(), QRectF(p.x(), p.y() - item.ascent(), item.width(),
                                                 item.ascent() + item.descent())});
        }
        Type type() const override { return User; }
        std::vector<DrawnText> texts;
    };
    mutable Engine m_engine;
    QSize m_size;
};

} // namespace

class YearsChartWidgetTest : public QObject {
    Q_OBJECT
  private slots:
    void axesReadInUnitsAndStayInsideTheChart_data() {
        QTest::addColumn<double>("years");
        QTest::addColumn<double>("amount");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<QList<double>>("marks");
        QTest::addColumn<QString>("markLabel");
        QTest::newRow("thirty years")
            << 30.0 << 150000.0 << QStringList{"0", "50K", "100K", "150K", "10", "30"}
            << QList<double>{} << "mark";
        QTest::newRow("a billion borrowed")
            << 30.0 << 999999999.99 << QStringList{"600M", "1B", "30"} << QList<double>{} << "mark";
        QTest::newRow("a month") << 1 / 12.0 << 150000.0 << QStringList{"0.04", "0.1"}
                                 << QList<double>{} << "mark";
        QTest::newRow("a schedule longer than its widest label")
            << 32767.0 << 150000.0 << QStringList{"10K", "30K", "40K"} << QList<double>{} << "mark";
        QTest::newRow("no loan has a schedule")
            << 0.0 << 0.0 << QStringList{"Loan 1 why"} << QList<double>{} << "mark";
        QTest::newRow("a mark on the last year")
            << 30.0 << 150000.0 << QStringList{"mark", "30"} << QList<double>{30.0} << "mark";
        // Offers whose costs cross often, each crossing marked.
        QTest::newRow("a mark every year")
            << 30.0 << 150000.0 << QStringList{"mark"}
            << QList<double>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14} << "mark";
        QTest::newRow("a mark past the loans")
            << 10.0 << 150000.0 << QStringList{"40"} << QList<double>{40.0} << "mark";
        // Read against the next step up, not two.
        QTest::newRow("costs under 440K")
            << 30.0 << 439000.0 << QStringList{"100K", "500K"} << QList<double>{} << "mark";
        // A German label too long for either side of its line, beside another.
        QTest::newRow("long labels mid-way")
            << 30.0 << 150000.0 << QStringList{"Kosten kreuzen sich"} << QList<double>{15, 16}
            << "Kosten kreuzen sich";
    }

    void axesReadInUnitsAndStayInsideTheChart() {
        QFETCH(double, years);
        QFETCH(double, amount);
        QFETCH(QStringList, labels);
        QFETCH(QList<double>, marks);
        QFETCH(QString, markLabel);
        // Loan 1 never has a line: why is said above the plot, or alone.
        YearsChart chart;
        chart.missing[0] = QStringLiteral("Loan 1 why");
        if (years > 0)
            chart.series[1] = {{0, amount}, {years, 0}};
        for (const double markYears : marks)
            chart.marks.push_back({markYears, markLabel});
        const QRectF area(0, 0, 220, 150);
        TextRecorder device(area.size().toSize());
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(11);
        {
            QPainter painter(&device);
            painter.setFont(font);
            drawYearsChart(painter, area, chart, {Qt::white, Qt::gray, Qt::black});
        }
        QStringList drawn;
        for (const DrawnText& text : device.texts()) {
            drawn << text.text;
            QVERIFY2(area.adjusted(-0.5, -0.5, 0.5, 0.5).contains(text.box), qPrintable(text.text));
        }
        for (const QString& label : labels + QStringList{"Loan 1 why"})
            QVERIFY2(drawn.contains(label), qPrintable(drawn.join(QLatin1Char(' '))));
        // The marks' labels inside the frame, clear of the axes and of each other.
        const YearsChartLayout layout = layOutYearsChart(QFontMetricsF(font), area, chart);
        for (std::size_t i = 0; i < layout.markLabels.size(); ++i) {
            const QRectF& box = layout.markLabels[i].box;
            QVERIFY(box.isEmpty() || layout.plot.contains(box));
            for (std::size_t j = 0; j < i; ++j)
                QVERIFY(!box.intersects(layout.markLabels[j].box));
        }
    }
};

} // namespace paysmith

QTEST_MAIN(paysmith::YearsChartWidgetTest)
#include "yearschart_test.moc"
