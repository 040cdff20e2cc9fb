// The list views' model under Qt's model tester through every operation the
// handlers use, and the batched fill that sends one reset instead of a
// signal per row.
#include "controls/ListView.h"

#include <QAbstractItemModelTester>
#include <QtTest>

using namespace Qt::StringLiterals;

class ListModelTest : public QObject {
    Q_OBJECT

private slots:
    void modelTesterAndOneResetPerFill()
    {
        ListView view(u"v"_s, {{u"id"_s, 0}, {u"Titlu"_s, 3000}, {{}, 0}}, nullptr);
        QAbstractItemModelTester tester(view.model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        QSignalSpy resets(view.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserts(view.model(), &QAbstractItemModel::rowsInserted);
        for (int i = 0; i < 3; ++i)
            view.SetSubItem(view.Add(), 1, u"rand %1"_s.arg(i));
        view.SetSubItem(1, 2, u"7"_s);
        view.SetSubItem(5, 1, u"nu"_s); // past the rows or columns: ignored
        view.SetSubItem(0, 9, u"nu"_s);
        QCOMPARE(inserts.count(), 3);
        QCOMPARE(view.SubItem(1, 1), u"rand 1"_s);
        QCOMPARE(view.SubItem(1, 2), u"7"_s);
        QVERIFY(view.SubItem(5, 1).isEmpty() && view.SubItem(0, 9).isEmpty());
        view.selectRow(2);
        view.Clear();
        QCOMPARE(view.Count(), 0);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(view.SelectedItem(), -1);

        resets.clear();
        inserts.clear();
        QSignalSpy changes(view.model(), &QAbstractItemModel::dataChanged);
        {
            ListFill outer(view);
            for (int i = 0; i < 20000; ++i)
                view.SetSubItem(view.Add(), 1, u"Actul %1"_s.arg(i));
            ListFill inner(view); // nested batches end with the outer one
            view.Clear();
            for (int i = 0; i < 20000; ++i)
                view.SetSubItem(view.Add(), 1, u"Actul %1"_s.arg(i));
            QCOMPARE(resets.count(), 0); // nothing is announced before the end
        }
        QCOMPARE(resets.count(), 1);
        QCOMPARE(inserts.count() + changes.count(), 0);
        QCOMPARE(view.Count(), 20000);
        QCOMPARE(view.model()->data(view.model()->index(19999, 1)).toString(), u"Actul 19999"_s);
        {
            ListFill empty(view);
        }
        QCOMPARE(view.Count(), 20000); // an empty batch changes nothing
        QCOMPARE(resets.count(), 2);
    }
};

QTEST_MAIN(ListModelTest)
#include "test_list_model.moc"
