#include "engine/assembly.h"

namespace trelvo {
namespace {

// The element's matrices are formed through the local matrix and the transformation
// rather than from k * [[C, -C], [-C, C]] directly: the products are rounded one by one,
// and the global sums depend on those exact values.
using Matrix2x2 = double[3][3];
using Matrix2x6 = double[3][7];
using Matrix6x2 = double[7][3];
using Matrix6x6 = double[7][7];

void FormElementStiffness(const TrussModel& model, int e, double k, Matrix6x6& elementStiffness) {
    Matrix2x2 localStiffness = {};
    localStiffness[1][1] = k;
    localStiffness[1][2] = k * -1.0;
    localStiffness[2][1] = k * -1.0;
    localStiffness[2][2] = k;

    Matrix2x6 transform = {};
    transform[1][1] = model.cosX[e];
    transform[1][2] = model.cosY[e];
    transform[1][3] = model.cosZ[e];
    transform[2][4] = model.cosX[e];
    transform[2][5] = model.cosY[e];
    transform[2][6] = model.cosZ[e];

    Matrix6x2 transformTransposed = {};
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 6; ++c)
            transformTransposed[c][r] = transform[r][c];

    Matrix6x2 transformedLocal = {};
    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 2; ++j) {
            double sum = 0.0;
            for (int m = 1; m <= 2; ++m)
                sum += transformTransposed[i][m] * localStiffness[m][j];
            transformedLocal[i][j] = sum;
        }

    for (int i = 1; i <= 6; ++i)
        for (int j = 1; j <= 6; ++j) {
            double sum = 0.0;
            for (int m = 1; m <= 2; ++m)
                sum += transformedLocal[i][m] * transform[m][j];
            elementStiffness[i][j] = sum;
        }
}

void AddBlock(TrussModel& model, int rowOffset, int columnOffset, const Matrix6x6& element,
              int elementRow, int elementColumn) {
    for (int r = 1; r <= 3; ++r)
        for (int c = 1; c <= 3; ++c)
            model.stiffnessMatrix[rowOffset + r][columnOffset + c] +=
                element[elementRow + r][elementColumn + c];
}

} // namespace

void AssembleElement(TrussModel& model, int e, double length) {
    // The product first, then the division.
    const double k = model.youngsModulus[e] * model.area[e] / length;
    model.axialStiffness[e] = k;

    Matrix6x6 elementStiffness = {};
    FormElementStiffness(model, e, k, elementStiffness);

    const int a = 3 * (model.node1[e] - 1);
    const int b = 3 * (model.node2[e] - 1);
    // Block order fixes the order of the floating-point sums in the global matrix.
    AddBlock(model, a, a, elementStiffness, 0, 0);
    AddBlock(model, a, b, elementStiffness, 0, 3);
    AddBlock(model, b, a, elementStiffness, 3, 0);
    AddBlock(model, b, b, elementStiffness, 3, 3);
}

void ApplyConstraints(TrussModel& model) {
    const int n = model.dofCount;
    for (int i = 1; i <= model.nodeCount; ++i)
        for (int d = 1; d <= 3; ++d) {
            if (model.fixed[d][i] != 1)
                continue;
            const int q = dofIndex(i, d);
            for (int c = 1; c <= n; ++c)
                model.stiffnessMatrix[q][c] = 0.0;
            for (int r = 1; r <= n; ++r) {
                model.stiffnessMatrix[r][q] = 0.0;
                model.stiffnessMatrix[q][q] = 1.0;
            }
        }
}

} // namespace trelvo
