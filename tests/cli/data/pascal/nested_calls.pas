function Square(x: Integer): Integer;
begin
  Result := x * x;
end;
function SumSquares(n: Integer): Integer;
var i: Integer;
begin
  Result := 0;
  for i := 1 to n do Result := Result + Square(i);
end;
function Twice(x: Integer): Integer;
begin
  Result := SumSquares(x) * 2;
end;
begin
  ShowMessage(Twice(10));
  ShowMessage(Square(Square(3)));
end.
