procedure Show(a, b: Integer);
begin
  ShowMessage(IntToStr(a) + ' div ' + IntToStr(b) + ' = ' + IntToStr(a div b) + ', mod = ' + IntToStr(a mod b));
end;
begin
  Show(7, 2); Show(-7, 2); Show(7, -2); Show(-7, -2); Show(0, 5); Show(100, 7);
end.
