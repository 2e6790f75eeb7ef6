{
  int i = 0, s = 0;
  while (true) {
    i++;
    if (i % 3 == 0) continue;
    if (i > 20) break;
    s += i;
  }
  ShowMessage(s);
  ShowMessage(i);
  for (i = 1; i <= 10; i++) {
    if (i == 4) continue;
    if (i == 8) break;
    ShowMessage(i);
  }
}
