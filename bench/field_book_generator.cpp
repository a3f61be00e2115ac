#include "field_book_generator.h"

#include <cstdio>

std::string GenerateReport(int number) {
    const double pk = 1000.0 + 25.0 * number;
    const double y = 5021.331 + 0.125 * number;
    const double x = 7310.118 + 0.375 * number;
    char report[1024];
    std::snprintf(report, sizeof report,
                  "\r\n"
                  "Calculation on linear trace\r\n"
                  "PK0= %.4f   Y0= %.4f   X0= %.4f\r\n"
                  "PKn= %.4f   Yn= %.4f   Xn= %.4f\r\n"
                  "PZ: %d   Y= %.4f   X= %.4f\r\n"
                  "Apk= %d'%02d'%05.2f\"\r\n"
                  "   Dpz= %.4f   Spz= %.4f\r\n"
                  "PKpz1= %.4f   Dpz1= %.4f\r\n"
                  "PKpz2= %.4f   Dpz2= %.4f\r\n"
                  "Rail size of Linear trace\r\n"
                  "PK_A= %.4f   d_A= %.4f   m_A= %.4f\r\n"
                  "PK_B= %.4f   d_B= %.4f   m_B= %.4f\r\n"
                  "Rp: %d   Pk_rp= %.4f   m_rp= %.4f   B_rl= 0.76\r\n"
                  "   y_rp= %.4f\r\n"
                  "Point PZ %d is outside the stretch of the curve\r\n"
                  "PK_nk= %.4f   PK_kk= %.4f   R_kk= 600.0000\r\n",
                  pk, y, x, pk + 250.0, y + 78.67, x + 234.87, number, y + 28.77, x + 90.08, number % 360,
                  number % 60, (number % 6000) / 100.0, -1.2345 + number * 1e-4, 95.4412, pk + 97.4412,
                  -1.2345, pk + 97.4413, -1.2346, pk, 0.012, 0.004, pk + 250.0, 0.015, 0.006, number, pk + 97.44,
                  0.005, 0.0123, number, pk + 40.0, pk + 190.0);
    return report;
}

std::string GenerateFieldBook(std::size_t minimumBytes) {
    std::string book;
    book.reserve(minimumBytes + 1024);
    for (int number = 1; book.size() < minimumBytes; ++number) book += GenerateReport(number);
    return book;
}
