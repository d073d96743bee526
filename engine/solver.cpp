#include "engine/solver.h"

#include <cmath>
#include <utility>
#include <vector>

namespace trelvo {
namespace {

using Matrix = decltype(TrussModel::stiffnessMatrix);

void ExchangeRows(Matrix& a, int p, int k, int m) {
    for (int j = 1; j <= m; ++j)
        std::swap(a[p][j], a[k][j]);
}

// A candidate replaces the pivot only when strictly larger, so the lowest row wins ties
// and a NaN never wins.
void PivotColumn(Matrix& a, int k, int n, int m) {
    int p = k;
    double big = std::fabs(a[k][k]);
    for (int i = k + 1; i <= n; ++i) {
        const double candidate = std::fabs(a[i][k]);
        if (candidate > big) {
            big = candidate;
            p = i;
        }
    }
    if (p != k)
        ExchangeRows(a, p, k, m);
}

std::vector<double> ColumnMagnitudes(const Matrix& a, int n) {
    std::vector<double> largest(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j)
            largest[j] = std::fmax(largest[j], std::fabs(a[i][j]));
    return largest;
}

bool IsWeakPivot(double pivot, double columnMagnitude) {
    const double magnitude = std::fabs(pivot);
    return !std::isfinite(magnitude) || !(magnitude > kNegligiblePivot * columnMagnitude);
}

// Every sum starts from 0 and adds its terms in ascending index order.
double DotRowColumn(const Matrix& a, int row, int column, int count) {
    double sum = 0.0;
    for (int l = 1; l <= count; ++l)
        sum += a[row][l] * a[l][column];
    return sum;
}

} // namespace

SolveReport SolveEquations(TrussModel& model, int n, int m) {
    SolveReport report;
    if (n < 1)
        return report;
    Matrix& a = model.stiffnessMatrix;
    const std::vector<double> columnMagnitude = ColumnMagnitudes(a, n);
    auto observePivot = [&](int k) {
        if (report.firstWeakColumn == 0 && IsWeakPivot(a[k][k], columnMagnitude[k]))
            report.firstWeakColumn = k;
    };

    PivotColumn(a, 1, n, m);
    observePivot(1);
    for (int j = 2; j <= m; ++j)
        a[1][j] = a[1][j] / a[1][1];

    for (int k = 2; k <= n; ++k) {
        for (int i = k; i <= n; ++i)
            a[i][k] = a[i][k] - DotRowColumn(a, i, k, k - 1);
        if (k < n)
            PivotColumn(a, k, n, m);
        observePivot(k);
        for (int j = k + 1; j <= m; ++j)
            a[k][j] = (a[k][j] - DotRowColumn(a, k, j, k - 1)) / a[k][k];
    }

    model.displacement[n] = a[n][m];
    for (int t = 1; t <= n - 1; ++t) {
        const int i = n - t;
        double sum = 0.0;
        for (int j = i + 1; j <= n; ++j)
            sum += a[i][j] * model.displacement[j];
        model.displacement[i] = a[i][m] - sum;
    }
    return report;
}

} // namespace trelvo
